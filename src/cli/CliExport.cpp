// gridlex-cli export GX: a puzzle file as ipuz, PDF, HTML page with its picture, a page to solve
// in a browser, GIF picture or text.

#include <memory>

#include "base/Cp1251.h"
#include "core/PuzzleReady.h"
#include "base/FileIo.h"
#include "cli/CliCommands.h"
#include "cli/CliDrawn.h"
#include "cli/CliOutputs.h"
#include "cli/CliPuzzle.h"
#include "cli/CliSupport.h"
#include "cli/DefaultProgramFolder.h"
#include "cli/FilePlan.h"
#include "output/HtmlExport.h"
#include "output/PlayablePage.h"

namespace gx::cli {

namespace {

const char* const kOutputs[] = {"--ipuz", "--pdf", "--html", "--html-play", "--gif", "--text"};

struct ExportRequest {
  std::string source;
  std::string output;  // the option that chose the form
  std::string target;  // its file or folder
  std::string program_dir;
  bool answers = false;
  bool key = false;
  bool force = false;
};

std::string ChosenOutput(const Arguments& arguments) {
  std::string chosen;
  for (const char* output : kOutputs) {
    if (!arguments.Has(output)) continue;
    if (!chosen.empty()) {
      throw UsageError{"give one of --ipuz, --pdf, --html, --html-play, --gif and --text, not " + chosen + " and " + output};
    }
    chosen = output;
  }
  if (chosen.empty()) {
    throw UsageError{"export needs one of --ipuz FILE, --pdf FILE, --html DIR, --html-play FILE, --gif FILE and --text"};
  }
  return chosen;
}

ExportRequest ParseExport(const std::vector<std::string>& args) {
  Arguments arguments(args,
                      {{"--ipuz", true}, {"--pdf", true}, {"--html", true}, {"--html-play", true}, {"--gif", true}, {"--text", false},
                       {"--answers", false}, {"--key", false}, {"--program-dir", true}, {"--force", false}},
                      1, 1);
  ExportRequest request;
  request.source = arguments.Positional(0);
  request.output = ChosenOutput(arguments);
  const bool drawn = request.output == "--pdf" || request.output == "--html" || request.output == "--gif";
  if (arguments.Has("--program-dir") && !drawn) throw UsageError{"--program-dir goes with --pdf, --html and --gif"};
  request.answers = arguments.Has("--answers");
  if (request.answers && request.output != "--pdf" && request.output != "--html") {
    throw UsageError{"--answers goes with --pdf and --html"};
  }
  request.key = arguments.Has("--key");
  if (request.key && request.output != "--pdf") throw UsageError{"--key goes with --pdf"};
  if (request.key && request.answers) throw UsageError{"give --answers or --key, not both"};
  request.force = arguments.Has("--force");
  if (request.force && request.output == "--text") throw UsageError{"--force goes with an output file"};
  if (request.output != "--text") request.target = arguments.Value(request.output);
  if (request.output == "--html" && IsStandardStream(request.target)) {
    throw UsageError{"--html takes a folder for the page and its picture, not - (standard output)"};
  }
  request.program_dir = arguments.Has("--program-dir") ? arguments.Value("--program-dir") : DefaultProgramFolder();
  return request;
}

// The file of the form, or standard output for "-", which is never "already there".
void CheckTargetFree(const ExportRequest& request) {
  if (!IsStandardStream(request.target)) CheckOutputsFree({request.target}, request.force);
}

void WriteTarget(const ExportRequest& request, std::string_view bytes) {
  if (IsStandardStream(request.target)) {
    WriteStandardOutput(bytes);
  } else {
    WriteOutputOrFail(request.target, bytes, request.force);
  }
}

// The window draws and prints only a finished crossword.
void CheckReady(const Puzzle& puzzle, const std::string& source) {
  if (!CluesWritten(puzzle)) Refuse(source, {std::string(NotReadyText)});
}

// The pages the window prints, and with --answers the pages it prints while the answers are shown;
// with --key the answer key instead.
void ExportPdf(const Puzzle& puzzle, const ExportRequest& request) {
  CheckReady(puzzle, request.source);
  CheckTargetFree(request);
  const ExportFolder folder = ReadProgramFolder(request.program_dir);
  const std::string title = PuzzleTitleOf(puzzle, request.source);
  const std::string pdf = request.key ? KeyPdf(puzzle, folder.settings, title)
                                      : PuzzlePdf(puzzle, folder.settings, title, request.answers);
  WriteTarget(request, pdf);
}

// The window's export into the folder: its page and picture, without numbering. With --answers
// the page lists the answers, as the window's does while they are shown.
void ExportHtml(Puzzle& puzzle, const ExportRequest& request) {
  CheckReady(puzzle, request.source);
  const std::string picture_path = JoinPath(request.target, ExportPictureName(""));
  const std::string page_path = JoinPath(request.target, ExportPageName(""));
  CheckOutputsFree({picture_path, page_path}, request.force);
  const ExportFolder folder = ReadProgramFolder(request.program_dir);
  const HtmlFiles files = PuzzleHtml(puzzle, folder, PuzzleTitleOf(puzzle, request.source), "", request.answers);
  PrepareFolderOrFail(request.target);
  WriteOutputOrFail(picture_path, files.picture, request.force);
  WriteOutputOrFail(page_path, files.page, request.force);
}

// The page to solve in a browser, titled as the window titles the puzzle.
void ExportPlayablePage(const Puzzle& puzzle, const ExportRequest& request) {
  CheckReady(puzzle, request.source);
  CheckTargetFree(request);
  const PlayablePage page = WritePlayablePage(puzzle, Cp1251ToUtf8(PuzzleTitleOf(puzzle, request.source)));
  if (!page.faults.empty()) Refuse(request.source, page.faults);
  WriteTarget(request, page.html);
}

void ExportGif(Puzzle& puzzle, const ExportRequest& request) {
  CheckReady(puzzle, request.source);
  CheckTargetFree(request);
  const ExportFolder folder = ReadProgramFolder(request.program_dir);
  const int side = PictureSide(FitBoard(puzzle));
  WriteTarget(request, PictureGif(puzzle, folder.settings.Colors, side));
}

// What the export reads and writes, checked before anything else.
void CheckFiles(const ExportRequest& request) {
  FilePlan plan;
  plan.Input("GX", request.source);
  if (request.output == "--html") {
    plan.OutputFolder("--html", request.target);
    plan.FileInFolder("--html", JoinPath(request.target, ExportPictureName("")));
    plan.FileInFolder("--html", JoinPath(request.target, ExportPageName("")));
  } else if (request.output != "--text") {
    plan.Output(request.output, request.target, false);
  }
  plan.Check();
}

}  // namespace

int RunExportPuzzle(const std::vector<std::string>& args) {
  const ExportRequest request = ParseExport(args);
  CheckFiles(request);
  auto puzzle = std::make_unique<Puzzle>();
  LoadPuzzleOrFail(request.source, *puzzle);
  if (request.output == "--text") {
    PrintPuzzleText(*puzzle);
  } else if (request.output == "--ipuz") {
    CheckTargetFree(request);
    WriteTarget(request, IpuzOrRefuse(*puzzle, FileNameOf(request.source), request.source));
  } else if (request.output == "--pdf") {
    ExportPdf(*puzzle, request);
  } else if (request.output == "--html") {
    ExportHtml(*puzzle, request);
  } else if (request.output == "--html-play") {
    ExportPlayablePage(*puzzle, request);
  } else {
    ExportGif(*puzzle, request);
  }
  return ExitSuccess;
}

}  // namespace gx::cli
