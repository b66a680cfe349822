// Starts the real game executable in its run folder under X, finds its window, reads the title,
// asks the window to close the way a window manager would, and expects a clean exit.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <regex>
#include <string>
#include <thread>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

// Xlib defines macros (None, Bool, Status) that clash with other headers: it comes last.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

extern char** environ;

namespace {

using namespace std::chrono_literals;

std::optional<std::string> windowName(Display* display, Window window) {
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        std::string result(name);
        XFree(name);
        return result;
    }
    return std::nullopt;
}

Window findWindow(Display* display, Window parent, const std::string& prefix) {
    Window root = 0, parentOut = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    if (!XQueryTree(display, parent, &root, &parentOut, &children, &count))
        return 0;
    Window found = 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        auto name = windowName(display, children[i]);
        if (name && name->rfind(prefix, 0) == 0)
            found = children[i];
        else
            found = findWindow(display, children[i], prefix);
    }
    if (children)
        XFree(children);
    return found;
}

std::optional<int> waitForExit(pid_t pid, std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    while (std::chrono::steady_clock::now() < deadline) {
        int status = 0;
        if (waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(50ms);
    }
    return std::nullopt;
}

TEST(Executable, ShowsFrameTimeInTitleAndClosesCleanly) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "needs an X display (run under xvfb-run)";

    const std::string runDir = ORV_RUN_DIR;
    const std::string program = runDir + "/ostrevale";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, runDir.c_str());
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environ), 0);
    posix_spawn_file_actions_destroy(&actions);

    Window window = 0;
    std::string title;
    const std::regex titleForm("tarsk window : [0-9]+ms");
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < deadline) {
        window = findWindow(display, DefaultRootWindow(display), "tarsk window");
        if (window) {
            title = windowName(display, window).value_or("");
            if (std::regex_match(title, titleForm))
                break;
        }
        std::this_thread::sleep_for(100ms);
    }
    if (!std::regex_match(title, titleForm)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        XCloseDisplay(display);
        FAIL() << "no window titled like 'tarsk window : <n>ms' appeared; last title: '" << title << "'";
    }

    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);

    auto exitCode = waitForExit(pid, 10s);
    if (!exitCode) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(display);
    ASSERT_TRUE(exitCode.has_value()) << "the game did not exit after the close request";
    EXPECT_EQ(*exitCode, 0);
}

} // namespace
