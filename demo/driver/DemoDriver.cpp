// The demo's driver: one step on the running tool per call, so that the demo script can take
// screenshots between steps. Prints what it saw to stdout; on failure prints why to stderr and
// exits with 1 (2 for a wrong command line).
//
//   DemoDriver wait-main                 waits for the tool's main window and its idle state
//   DemoDriver click TEXT [CAPTION]      clicks the button TEXT in the window CAPTION
//                                        (the main window when omitted)
//   DemoDriver wait-window CAPTION       waits for a window of the tool with this caption
//   DemoDriver wait-closed CAPTION       waits until that window has gone
//   DemoDriver wait-idle                 waits until the main window's buttons are usable again
//   DemoDriver box yes|no|ok [CAPTION]   answers the next message box (which must have CAPTION
//                                        when given) and prints its caption and text
//   DemoDriver tick PREFIX...            ticks the airports whose item starts with each PREFIX
//   DemoDriver rect [CAPTION]            repaints the window and prints its frame as
//                                        WIDTHxHEIGHT+LEFT+TOP, for a screenshot
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <exception>
#include <string>
#include <vector>

#include "ToolSession.h"

namespace {

int Usage() {
    std::fputs(
        "usage: DemoDriver wait-main | click TEXT [CAPTION] | wait-window CAPTION |\n"
        "       wait-closed CAPTION | wait-idle | box yes|no|ok [CAPTION] |\n"
        "       tick PREFIX... | rect [CAPTION]\n",
        stderr);
    return 2;
}

// "[caption] text" with the text's later lines indented under the first.
void PrintBox(const std::string& described, const char* answer) {
    std::string shown;
    for (char c : described) {
        shown += c;
        if (c == '\n') {
            shown += "    ";
        }
    }
    std::printf("message box %s  -> %s\n", shown.c_str(), answer);
}

int Run(const std::vector<std::string>& args) {
    const std::string& command = args[0];
    const auto arg = [&](size_t i) { return i < args.size() ? args[i] : std::string(); };

    if (command == "wait-main" && args.size() == 1) {
        const demo::ToolSession tool = demo::ToolSession::Attach(demo::kStartTimeoutMs);
        tool.WaitIdle();
        std::printf("main window ready: %s\n", demo::Geometry(tool.MainWindow()).c_str());
        return 0;
    }
    const demo::ToolSession tool = demo::ToolSession::Attach();
    if (command == "click" && (args.size() == 2 || args.size() == 3)) {
        tool.Click(args[1], arg(2));
        std::printf("clicked \"%s\"\n", args[1].c_str());
    } else if (command == "wait-window" && args.size() == 2) {
        tool.Window(args[1]);
    } else if (command == "wait-closed" && args.size() == 2) {
        tool.WaitClosed(args[1]);
    } else if (command == "wait-idle" && args.size() == 1) {
        tool.WaitIdle();
    } else if (command == "box" && (args.size() == 2 || args.size() == 3)) {
        const std::string& answer = args[1];
        const int id = answer == "yes" ? IDYES : answer == "no" ? IDNO : answer == "ok" ? IDOK : 0;
        if (id == 0) {
            return Usage();
        }
        const std::string described = tool.AnswerBox(id, arg(2));
        PrintBox(described, answer == "ok" ? "OK" : answer == "yes" ? "Yes" : "No");
    } else if (command == "tick" && args.size() >= 2) {
        tool.TickAirports({args.begin() + 1, args.end()});
        for (size_t i = 1; i < args.size(); ++i) {
            std::printf("ticked %s\n", args[i].c_str());
        }
    } else if (command == "rect" && args.size() <= 2) {
        const HWND window = tool.Window(arg(1));
        demo::Repaint(window);
        std::printf("%s\n", demo::Geometry(window).c_str());
    } else {
        return Usage();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Plain "\n" line ends, as the script on the Linux side reads them.
    _setmode(_fileno(stdout), _O_BINARY);
    if (argc < 2) {
        return Usage();
    }
    try {
        const int result = Run({argv + 1, argv + argc});
        std::fflush(stdout);
        return result;
    } catch (const std::exception& error) {
        std::fflush(stdout);
        std::fprintf(stderr, "DemoDriver %s: %s\n", argv[1], error.what());
        return 1;
    }
}
