#include "shell/OutputCommands.h"

#include "shell/Help.h"
#include "output/HtmlExport.h"
#include "shell/PlayablePageCommand.h"
#include "output/PrintLayout.h"
#include "shell/ExportCommands.h"

namespace gx {

void OutputCommands::Help() { ShowHelp(parts_.state.settings, parts_.host); }

void OutputCommands::Print() { PrintCommand(parts_.state, parts_.host); }

void OutputCommands::HtmlExport() {
  HtmlExportCommand(parts_.state, parts_.host, parts_.board.PaintWidth(), parts_.board.PaintHeight());
}

void OutputCommands::PlayablePage() { PlayablePageCommand(parts_.state, parts_.host); }

void OutputCommands::Palette() { parts_.state.window.RequestShow(SecondaryWindow::Palette); }

}  // namespace gx
