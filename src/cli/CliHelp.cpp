#include "cli/CliHelp.h"

#include <algorithm>

#include "GridlexConfig.h"

namespace gx::cli {

namespace {

struct Help {
  std::string_view command;
  const char* text;
};

const Help kHelp[] = {
    {"extract",
     "Usage: gridlex-cli extract GRID\n"
     "Print the numbered word slots of a drawn grid, as the window numbers them after a stroke.\n"
     "GRID is a UTF-8 text file: one line per board row, \".\" for an empty cell, \"#\" for a grid\n"
     "cell and a Russian letter for a grid cell holding that letter (at most 63 lines and columns).\n"},
    {"fill",
     "Usage: gridlex-cli fill GRID DICT [--keep] [--attempts N] [--dict-out FILE] [--grid-out FILE]\n"
     "Fill the slots of a drawn grid from a dictionary, as the refill command of the window does,\n"
     "and print each slot with its answer and clue.\n"
     "GRID is a UTF-8 text file: one line per board row, \".\" for an empty cell, \"#\" for a grid\n"
     "cell and a Russian letter (either case) for a grid cell holding that letter. Without --keep\n"
     "the letters are ignored.\n"
     "  --keep            keep the letters of GRID and fill the other cells around them (Shift+F7\n"
     "                    in the window); a word spelt whole by them keeps its dictionary clue, or\n"
     "                    an empty one when the dictionary lacks it (named on stderr)\n"
     "  --attempts N      fill attempts before giving up, 0 to 65535 (default 256)\n"
     "  --dict-out FILE   write the dictionary, with the words used moved to its end, to FILE\n"
     "  --grid-out FILE   write the filled board to FILE as grid text (a letter in every filled cell)\n"
     "Exit status 3 when the grid cannot be filled (too few slots, too many, or too long) or, with\n"
     "--keep, when no dictionary word completes some slot: \"Слово N по вертикали: нет слов вида К_Т_\".\n"},
    {"generate",
     "Usage: gridlex-cli generate --board N (--seed S | --draws FILE)\n"
     "Generate one symmetric grid on a board of N by N cells (9 to 63) and print its slots and cells.\n"
     "  --seed S          seed of the program's random generator\n"
     "  --draws FILE      take the random draws from FILE (whitespace-separated numbers) instead\n"
     "Exit status 4 when the scripted draws run out.\n"},
    {"build",
     "Usage: gridlex-cli build DICT [--board N] (--seed S | --draws FILE) [--min-slots M]\n"
     "                        [--attempts A] [--max-generations G] [--out FILE.gx] [--dict-out FILE]\n"
     "Build a crossword as the window's build command does: generate grids until one fits, fill it\n"
     "from the dictionary DICT and print the result.\n"
     "  --board N             board size, odd, 19 to 57 (default 21); larger boards are refused:\n"
     "                        nearly every grid drawn on them has more than 128 words\n"
     "  --seed S              seed of the program's random generator\n"
     "  --draws FILE          take the random draws from FILE instead\n"
     "  --min-slots M         fewest word slots a grid must have, 4 to 128 (default 4)\n"
     "  --attempts A          fill attempts, 0 to 65535 (default 256)\n"
     "  --max-generations G   grids to try before giving up (default 10000)\n"
     "  --out FILE.gx         save the finished crossword as a puzzle file\n"
     "  --dict-out FILE       write the dictionary, with the words used moved to its end, to FILE\n"
     "Exit status 4 when the draws run out, 5 when the fill stays incomplete, 6 when no grid fits.\n"},
    {"dict",
     "Usage: gridlex-cli dict import TEXT DCT [--lossy]\n"
     "       gridlex-cli dict export DCT\n"
     "       gridlex-cli dict stats DCT\n"
     "import   make the dictionary file DCT from TEXT, a UTF-8 file of lines \"word clue\"; an entry\n"
     "         with a character the dictionary cannot hold is left out, or with --lossy kept with\n"
     "         that character replaced\n"
     "export   print the entries of DCT as UTF-8 lines\n"
     "stats    print the number of entries and of words of each length\n"},
    {"show",
     "Usage: gridlex-cli show GX\n"
     "Print the puzzle file GX (- for standard input): its slots, its board with the answers, and its\n"
     "clues across and down. A file that holds no words, or that could be read only by cutting or\n"
     "mending it (words beyond the board or the table, answers that do not fit their cells, bytes\n"
     "that are no character), is refused with the reason (exit 1).\n"},
    {"export",
     "Usage: gridlex-cli export GX (--ipuz FILE | --pdf FILE | --html DIR | --html-play FILE |\n"
     "                             --gif FILE | --text) [--answers | --key] [--program-dir DIR]\n"
     "                             [--force]\n"
     "Write the puzzle file GX in another form.\n"
     "  --ipuz FILE         as an ipuz crossword, titled with the puzzle's file name\n"
     "                      (FILE - for standard output, as with --pdf and --gif)\n"
     "  --pdf FILE          the pages the window prints, on A4 at 300 dpi; clue lines that do not\n"
     "                      fit go on to further pages\n"
     "  --html DIR          the window's web page export into DIR: gxp.htm and its picture pic.gif\n"
     "  --html-play FILE    one page to solve the puzzle in a browser: typing, checking a word,\n"
     "                      revealing letters, progress kept by the browser; no network access.\n"
     "                      The answers are in it only lightly hidden (from a glance at the\n"
     "                      source, not from a determined reader)\n"
     "  --gif FILE          the window's exported picture alone\n"
     "  --text              as text on standard output, as show prints it\n"
     "  --answers           with --pdf, add the pages printed with the answers; with --html, list\n"
     "                      the answers on the page, as the window does while they are shown\n"
     "  --key               with --pdf, the answer key instead: the answers written in the grid\n"
     "                      and listed with the clues\n"
     "  --program-dir DIR   the program folder whose gx.dat gives the colours and whose pic folder\n"
     "                      the page templates b0 and b2 (default: the folder the window uses,\n"
     "                      ~/.local/share/gridlex or the current folder when it is one)\n"
     "  --force             replace output files that are there (otherwise refused, exit 1)\n"},
    {"import-ipuz",
     "Usage: gridlex-cli import-ipuz FILE.ipuz OUT.gx [--force]\n"
     "Turn an ipuz crossword into a puzzle file the window solves (FILE.ipuz - for standard input,\n"
     "OUT.gx - for standard output). What a puzzle file cannot hold (grids beyond 63 x 63, more than\n"
     "255 words, words beyond 24 letters, clues beyond 128 characters, Latin letters and other\n"
     "characters outside its letters, bars, shapes, colours, given letters) is refused, the main\n"
     "reason first and then each place, and nothing is written. Punctuation it lacks is written with\n"
     "its nearest characters (« » as \", dashes as -, … as ..., ; as \",\", № as «номер»), and ё as е,\n"
     "with a warning. OUT.gx is never replaced without --force.\n"},
    {"series",
     "Usage: gridlex-cli series DICT --count N --out-dir DIR [--board N] [--seed S] [--min-slots M]\n"
     "                         [--attempts A] [--format gx,ipuz,pdf,html] [--program-dir DIR]\n"
     "                         [--key] [--dict-out FILE] [--tries T] [--force]\n"
     "Build N crosswords in one process, as N presses of F5 in the window: the words of each are\n"
     "moved to the end of the dictionary before the next is built. They are written to DIR as\n"
     "1.gx, 2.gx, ... in the order built, and in the chosen formats: 1.ipuz, 1.pdf, and the page\n"
     "gxp1.htm with its picture pic1.gif, each as export writes it for 1.gx.\n"
     "  --count N         crosswords to build, 1 to 100000\n"
     "  --out-dir DIR     where to write them; nothing is built when a file of the series is there\n"
     "  --force           replace such files instead\n"
     "  --format LIST     gx, ipuz, pdf and html separated by commas (default gx)\n"
     "  --program-dir DIR for pdf and html: as for export\n"
     "  --key             with pdf, also the answer key 1-key.pdf, as export --key writes it\n"
     "  --seed S          seed of the program's random generator (default: from the clock)\n"
     "  --board, --min-slots, --attempts   as for build\n"
     "  --dict-out FILE   write the reordered dictionary to FILE\n"
     "  --tries T         builds in a row for one crossword, 1 to 1000 (default 10)\n"
     "A failed build is named on standard error (crossword, build, reason) and followed by the next,\n"
     "as a user presses F5 again. Exit status 5 when T builds in a row failed: the dictionary ran dry\n"
     "for these settings, and the series stops with the reason.\n"},
};

}  // namespace

const char* ToolHelp() {
  return "Usage: gridlex-cli COMMAND [ARGUMENTS]\n"
         "Build, fill and inspect Gridlex crosswords and dictionaries without the window.\n"
         "\n"
         "Commands:\n"
         "  extract GRID                  print the numbered word slots of a drawn grid\n"
         "  fill GRID DICT [--keep]       fill a drawn grid from a dictionary, around its letters\n"
         "  generate --board N ...        generate one symmetric grid\n"
         "  build DICT ...                generate and fill a crossword, optionally saving it\n"
         "  dict import|export|stats      convert and count dictionary files (*.dct)\n"
         "  show GX                       print a puzzle file (*.gx)\n"
         "  export GX ...                 write a puzzle file as ipuz, PDF, web page, picture or text\n"
         "  import-ipuz FILE.ipuz OUT.gx  make a puzzle file from an ipuz crossword\n"
         "  series DICT --count N ...     build N crosswords in one run\n"
         "\n"
         "Options:\n"
         "  -h, --help                    show this help, or with a command that command's help\n"
         "  --version                     show the version and exit\n"
         "\n"
         "An option takes its value as the next argument or after \"=\" (--seed=7); \"--\" ends the\n"
         "options. A file given as \"-\" is standard input (show, import-ipuz) or output (export\n"
         "--ipuz, --pdf, --gif; import-ipuz).\n"
         "\n"
         "Results go to standard output and messages to standard error, both in UTF-8.\n"
         "Exit status: 0 success, 1 input/output error, 2 bad usage, 3 to 6 as each command says.\n"
         "The delivered dictionary is /usr/share/gridlex/data/ru.dct when installed from the package.\n"
         "\n"
         "Example:\n"
         "  gridlex-cli build /usr/share/gridlex/data/ru.dct --seed 7 --out 1.gx --dict-out ru.dct\n";
}

const char* CommandHelp(std::string_view command) {
  for (const Help& help : kHelp) {
    if (help.command == command) return help.text;
  }
  return nullptr;
}

std::string CommandUsage(std::string_view command) {
  const char* help = CommandHelp(command);
  if (help == nullptr) return {};
  // The "Usage:" line and the lines that go on with it, indented, up to the description.
  const std::string_view text = help;
  std::size_t end = 0;
  while (end < text.size()) {
    const std::size_t next = std::min(text.find('\n', end), text.size() - 1) + 1;
    if (end > 0 && text[end] != ' ') break;
    end = next;
  }
  return std::string(text.substr(0, end)) + "Try 'gridlex-cli " + std::string(command) +
         " --help' for more information.\n";
}

std::string VersionLine() { return std::string("gridlex-cli ") + GRIDLEX_VERSION; }

bool AsksForHelp(const std::vector<std::string>& args) {
  // After "--" the words are arguments: a file may be called --help.
  const auto options_end = std::find(args.begin(), args.end(), "--");
  return std::any_of(args.begin(), options_end, [](const std::string& arg) { return arg == "--help" || arg == "-h"; });
}

}  // namespace gx::cli
