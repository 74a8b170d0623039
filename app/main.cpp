// quillex [OPTION]...: the window. --help and --version answer on standard output without
// opening it, so that they work without a display (the manual page is made from them).
#include <cstdio>
#include <string_view>

#include "ClaimCheckApp.h"

namespace {

constexpr char kHelp[] =
    "Usage: quillex [options]\n"
    "Opens the Quillex window, which checks the claims of a Chinese patent application "
    "(权利要求书) for errors of form: paste the claims into its box and press 开始检查; the box "
    "then holds the annotated report with its marks in red, the problems list beside it.\n"
    "\n"
    "Options:\n"
    "  -h, --help         Displays this help.\n"
    "  -v, --version      Displays version information.\n"
    "  -platform <name>   Qt's platform plugin: xcb, wayland, offscreen, … (Qt's other\n"
    "                     options are accepted too)\n"
    "\n"
    "Keys:\n"
    "  Ctrl+Return        check the box's text (开始检查)\n"
    "  F8, Shift+F8       select the next or the previous finding\n"
    "  Ctrl+S             save the report as text or as a web page (保存报告…)\n"
    "  F1                 the help text (帮助)\n"
    "  Ctrl+Z             take back a check, an edit, 清空 or 帮助\n"
    "\n"
    "Files:\n"
    "  ~/.config/Quillex/quillex.conf    whether 更多检查 is ticked\n"
    "  /usr/share/quillex/quillex.html   the same check as a web page for any browser\n"
    "\n"
    "Examples:\n"
    "  quillex                     the window on the desktop's display\n"
    "  quillex -platform wayland   the window on a Wayland desktop\n";

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "-h" || argument == "--help") {
      std::fputs(kHelp, stdout);
      return 0;
    }
    if (argument == "-v" || argument == "--version") {
      std::printf("quillex %s\n", QUILLEX_VERSION);
      return 0;
    }
  }
  CClaimCheckApp app(argc, argv);
  return app.InitInstance();
}
