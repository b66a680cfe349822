// Starts the real game executable under X: in its run folder, finds its window, reads the title,
// asks the window to close the way a window manager would, and expects a clean exit; in a scratch
// folder with the shipped data and game file, checks the main menu on a screenshot, clicks
// "New Game" the way the X server delivers a click and expects the island to show. Both
// screenshots are left in the build folder for a look.
#include "support/TempFolder.hpp"

#include <SFML/Graphics/Image.hpp>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include <fcntl.h>
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

// Read from the screen where the window lies: a window of its own may not be readable yet.
sf::Image screenshot(Display* display, Window window) {
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, window, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    const Window screen = DefaultRootWindow(display);
    XTranslateCoordinates(display, window, screen, 0, 0, &x, &y, &child);
    XImage* shot = XGetImage(display, screen, x, y, attributes.width, attributes.height, AllPlanes, ZPixmap);
    sf::Image image;
    if (!shot)
        return image;
    image.create(attributes.width, attributes.height);
    for (int y = 0; y < attributes.height; ++y) {
        for (int x = 0; x < attributes.width; ++x) {
            const unsigned long pixel = XGetPixel(shot, x, y);
            image.setPixel(x, y,
                           sf::Color((pixel & shot->red_mask) >> 16, (pixel & shot->green_mask) >> 8,
                                     pixel & shot->blue_mask));
        }
    }
    XDestroyImage(shot);
    return image;
}

// Pixels in the rectangle darker than the threshold in every channel.
int darkPixels(const sf::Image& image, int left, int top, int width, int height, int threshold) {
    int count = 0;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const sf::Color c = image.getPixel(x, y);
            count += c.r < threshold && c.g < threshold && c.b < threshold;
        }
    }
    return count;
}

bool allWhite(const sf::Image& image, int left, int top, int width, int height) {
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            if (image.getPixel(x, y) != sf::Color::White)
                return false;
    return true;
}

void sendButton(Display* display, Window window, int type, int x, int y) {
    XEvent event{};
    event.xbutton.type = type;
    event.xbutton.display = display;
    event.xbutton.window = window;
    event.xbutton.root = DefaultRootWindow(display);
    event.xbutton.x = x;
    event.xbutton.y = y;
    event.xbutton.button = Button1;
    event.xbutton.same_screen = True;
    event.xbutton.time = CurrentTime;
    XSendEvent(display, window, True, type == ButtonPress ? ButtonPressMask : ButtonReleaseMask, &event);
    XFlush(display);
}

// What a window manager sends when the player clicks the window's close button.
void requestClose(Display* display, Window window) {
    XEvent close{};
    close.xclient.type = ClientMessage;
    close.xclient.window = window;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &close);
    XFlush(display);
}

// "tarsk window : <digits>ms", the title the game shows its frame time in.
bool isFrameTimeTitle(std::string_view title) {
    const std::string_view head = "tarsk window : ";
    const std::string_view tail = "ms";
    if (title.size() <= head.size() + tail.size() || !title.starts_with(head) || !title.ends_with(tail))
        return false;
    const std::string_view digits = title.substr(head.size(), title.size() - head.size() - tail.size());
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string readFile(const std::filesystem::path& file) {
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
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
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < deadline) {
        window = findWindow(display, DefaultRootWindow(display), "tarsk window");
        if (window) {
            title = windowName(display, window).value_or("");
            if (isFrameTimeTitle(title))
                break;
        }
        std::this_thread::sleep_for(100ms);
    }
    if (!isFrameTimeTitle(title)) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        XCloseDisplay(display);
        FAIL() << "no window titled like 'tarsk window : <n>ms' appeared; last title: '" << title << "'";
    }

    requestClose(display, window);

    auto exitCode = waitForExit(pid, 10s);
    if (!exitCode) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    XCloseDisplay(display);
    ASSERT_TRUE(exitCode.has_value()) << "the game did not exit after the close request";
    EXPECT_EQ(*exitCode, 0);
}

// The run folder of the game under test: this build's, or the one ORV_GAME_RUN_DIR names (CI
// points it at the release build, the one `make run` starts).
std::filesystem::path gameRunDir() {
    const char* other = std::getenv("ORV_GAME_RUN_DIR");
    return other && *other ? std::filesystem::path(other) : std::filesystem::path(ORV_RUN_DIR);
}

// The environment with one variable set to a value.
std::vector<std::string> environmentWith(const std::string& name, const std::string& value) {
    std::vector<std::string> variables;
    for (char** variable = environ; *variable; ++variable)
        if (std::string_view(*variable).rfind(name + "=", 0) != 0)
            variables.emplace_back(*variable);
    variables.push_back(name + "=" + value);
    return variables;
}

std::vector<char*> pointers(std::vector<std::string>& strings) {
    std::vector<char*> result;
    for (std::string& text : strings)
        result.push_back(text.data());
    result.push_back(nullptr);
    return result;
}

// How the game is started besides: as nohup or a script's background job leave it (SIGHUP and
// SIGINT ignored), with standard output closed (">&-"), or writing into a pipe whose reader is gone.
enum class Start { Plain, SignalsIgnored, OutputClosed, OutputUnread };

// Starts the game under test in a scratch folder with its data and the shipped game file, as on
// a machine with no sound device; standard error, and standard output unless `start` says
// otherwise, go to stdout.txt there. Returns the process id, or 0 when it could not be started.
pid_t startInFolder(const testsupport::TempFolder& folder, Start start = Start::Plain) {
    const std::filesystem::path runDir = gameRunDir();
    std::filesystem::create_directory_symlink(runDir / "data", folder / "data");
    std::filesystem::copy_file(std::filesystem::path(ORV_SOURCE_DIR) / "app/content/test_entities_save.json",
                               folder / "test_entities_save.json");
    const std::filesystem::path output = folder / "stdout.txt";
    std::string program = (runDir / "ostrevale").string();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addchdir_np(&actions, folder.path().c_str());
    posix_spawn_file_actions_addopen(&actions, 2, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    int unread[2] = {-1, -1};
    if (start == Start::OutputClosed) {
        posix_spawn_file_actions_addclose(&actions, 1);
    } else if (start == Start::OutputUnread && ::pipe(unread) == 0) {
        posix_spawn_file_actions_adddup2(&actions, unread[1], 1);
        posix_spawn_file_actions_addclose(&actions, unread[0]);
        posix_spawn_file_actions_addclose(&actions, unread[1]);
    } else {
        posix_spawn_file_actions_adddup2(&actions, 2, 1);
    }
    std::vector<std::string> arguments = {program};
    if (start == Start::SignalsIgnored) {
        // What nohup and a shell's background job do: the ignoring survives the exec.
        arguments = {"/bin/sh", "-c", "trap '' HUP INT; exec \"$0\"", program};
        program = "/bin/sh";
    }
    std::vector<std::string> silent = environmentWith("ALSOFT_DRIVERS", "no-such-driver");
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), &actions, nullptr, pointers(arguments).data(),
                    pointers(silent).data()) != 0)
        pid = 0;
    posix_spawn_file_actions_destroy(&actions);
    // Nobody reads the game's output from the start: its first line meets a closed pipe.
    for (const int end : unread)
        if (end >= 0)
            ::close(end);
    return pid;
}

// The game's window once it is on the screen and drawing frames, or 0 after 30 s.
Window waitForGameWindow(Display* display) {
    const auto deadline = std::chrono::steady_clock::now() + 30s;
    while (std::chrono::steady_clock::now() < deadline) {
        const Window window = findWindow(display, DefaultRootWindow(display), "tarsk window : ");
        XWindowAttributes attributes{};
        if (window && XGetWindowAttributes(display, window, &attributes) &&
            attributes.map_state == IsViewable)
            return window;
        std::this_thread::sleep_for(100ms);
    }
    return 0;
}

// Played as on a machine with no sound device: the game says so once and stays quiet after.
TEST(MenuExecutable, ShowsTheMenuAndStartsANewGameOnClick) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "needs an X display (run under xvfb-run)";

    testsupport::TempFolder folder;
    const pid_t pid = startInFolder(folder);
    ASSERT_GT(pid, 0);
    const std::filesystem::path output = folder / "stdout.txt";
    auto stop = [&] {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        XCloseDisplay(display);
    };

    const Window window = waitForGameWindow(display);
    if (!window) {
        stop();
        FAIL() << "the game window did not appear; the game said: " << readFile(output);
    }
    // Wholly on the screen, or the parts outside cannot be read; then frames to draw there. A
    // busy machine may take long over them: look until the white around the menu and its title
    // show.
    XMoveWindow(display, window, 0, 0);
    XSync(display, False);
    sf::Image menu;
    const auto drawn = [&] {
        return menu.getSize() == sf::Vector2u(1280, 720) && allWhite(menu, 0, 0, 1280, 240) &&
               allWhite(menu, 0, 480, 1280, 240) && darkPixels(menu, 440, 250, 400, 100, 100) > 1000;
    };
    for (const auto deadline = std::chrono::steady_clock::now() + 30s;
         !drawn() && std::chrono::steady_clock::now() < deadline;) {
        std::this_thread::sleep_for(250ms);
        menu = screenshot(display, window);
    }
    ASSERT_EQ(menu.getSize(), sf::Vector2u(1280, 720));
    menu.saveToFile((std::filesystem::path(ORV_RUN_DIR).parent_path() / "menu-screenshot.png").string());

    // White around the menu; the title's dark letters across the middle above the buttons;
    // "New Game" written dark on the left button, "Continue" only greyed out on the right.
    EXPECT_TRUE(allWhite(menu, 0, 0, 1280, 240));
    EXPECT_TRUE(allWhite(menu, 0, 480, 1280, 240));
    EXPECT_GT(darkPixels(menu, 440, 250, 400, 100, 100), 1000);
    EXPECT_GT(darkPixels(menu, 960, 300, 120, 30, 200), 20) << "version label";
    // Inside the buttons' borders: "New Game" dark, "Continue" only greyed out.
    EXPECT_GT(darkPixels(menu, 323, 433, 284, 34, 100), 50) << "New Game";
    EXPECT_EQ(darkPixels(menu, 673, 433, 284, 34, 100), 0) << "Continue is greyed out";
    EXPECT_GT(darkPixels(menu, 673, 433, 284, 34, 200), 50) << "Continue";

    sendButton(display, window, ButtonPress, 465, 450);
    sendButton(display, window, ButtonRelease, 465, 450);
    // The menu is gone and the world shows through the player's camera instead of the white
    // background: nothing of the frame is left as it was. Loading the game takes a while on a
    // busy machine, so look again until it shows or time is up.
    sf::Image started;
    int unchanged = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        std::this_thread::sleep_for(1000ms);
        started = screenshot(display, window);
        unchanged = 0;
        for (unsigned y = 0; y < 720; y += 8)
            for (unsigned x = 0; x < 1280; x += 8)
                unchanged += started.getPixel(x, y) == menu.getPixel(x, y);
        if (unchanged < 160 * 90 / 10)
            break;
    }
    started.saveToFile((std::filesystem::path(ORV_RUN_DIR).parent_path() / "game-screenshot.png").string());
    EXPECT_LT(unchanged, 160 * 90 / 10);
    // A few seconds of play before the close.
    std::this_thread::sleep_for(3s);

    requestClose(display, window);

    auto exitCode = waitForExit(pid, 10s);
    if (!exitCode)
        stop();
    else
        XCloseDisplay(display);
    const std::string said = readFile(output);
    ASSERT_TRUE(exitCode.has_value()) << "the game did not exit after the close request";
    EXPECT_EQ(*exitCode, 0) << said;
    EXPECT_EQ(said.find("New Game failed"), std::string::npos) << said;
    EXPECT_EQ(said.find("fatal"), std::string::npos) << said;
    const std::string silence = "no audio device: the game plays without sound\n";
    const std::size_t first = said.find(silence);
    EXPECT_NE(first, std::string::npos) << said;
    EXPECT_EQ(said.find(silence, first + 1), std::string::npos) << said;
    EXPECT_EQ(said.find("AL_"), std::string::npos) << said.substr(0, 2000);
}

// Ctrl-C in the terminal, a logout or kill: the game closes at the end of the frame as a window
// close does, keeps the settings, and ends by the signal as its starter expects.
TEST(Executable, AStopSignalClosesTheGameAndKeepsTheSettings) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "needs an X display (run under xvfb-run)";
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        SCOPED_TRACE(signal);
        testsupport::TempFolder folder;
        const pid_t pid = startInFolder(folder);
        ASSERT_GT(pid, 0);
        const bool shown = waitForGameWindow(display) != 0;
        kill(pid, shown ? signal : SIGKILL);
        const std::optional<int> exitCode = waitForExit(pid, 10s);
        if (!exitCode) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        const std::string said = readFile(folder / "stdout.txt");
        ASSERT_TRUE(shown) << said;
        EXPECT_EQ(exitCode, std::optional<int>(128 + signal)) << said;
        EXPECT_EQ(said.find("fatal"), std::string::npos) << said;
        const std::string settings = readFile(folder / "settings.json");
        EXPECT_TRUE(nlohmann::json::accept(settings)) << "settings.json: '" << settings << "'";
    }
    XCloseDisplay(display);
}

// nohup, a script's background job, "| head -1" after head is gone, ">&-": the game plays on, takes
// no notice of the ignored signals, and a window close still ends it cleanly with its settings.
TEST(Executable, IgnoredSignalsStayIgnoredAndAnOutputNobodyReadsEndsNothing) {
    Display* display = XOpenDisplay(nullptr);
    ASSERT_NE(display, nullptr) << "needs an X display (run under xvfb-run)";
    for (const Start start : {Start::SignalsIgnored, Start::OutputClosed, Start::OutputUnread}) {
        SCOPED_TRACE(static_cast<int>(start));
        testsupport::TempFolder folder;
        const pid_t pid = startInFolder(folder, start);
        ASSERT_GT(pid, 0);
        const Window window = waitForGameWindow(display);
        // Taken before the close is, so one honoured would show in the exit status.
        if (window && start == Start::SignalsIgnored) {
            kill(pid, SIGHUP);
            kill(pid, SIGINT);
        }
        if (window)
            requestClose(display, window);
        const std::optional<int> exitCode = window ? waitForExit(pid, 10s) : std::nullopt;
        if (!exitCode) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        const std::string said = readFile(folder / "stdout.txt");
        EXPECT_NE(window, 0u) << said;
        EXPECT_EQ(exitCode, std::optional<int>(0)) << said;
        const std::string settings = readFile(folder / "settings.json");
        EXPECT_TRUE(nlohmann::json::accept(settings)) << "settings.json: '" << settings << "'";
    }
    XCloseDisplay(display);
}

// Without an X server the game says so and exits with 1, rather than being aborted by the window
// library.
TEST(Executable, WithoutADisplayPrintsWhyAndExitsWithOne) {
    testsupport::TempFolder folder;
    const std::filesystem::path output = folder / "stdout.txt";
    const std::string program = std::string(ORV_RUN_DIR) + "/ostrevale";
    for (const char* display : {"", ":987"}) {
        std::vector<std::string> variables;
        for (char** variable = environ; *variable; ++variable)
            if (std::string_view(*variable).rfind("DISPLAY=", 0) != 0)
                variables.emplace_back(*variable);
        if (*display)
            variables.push_back(std::string("DISPLAY=") + display);
        std::vector<char*> environment = pointers(variables);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addchdir_np(&actions, ORV_RUN_DIR);
        posix_spawn_file_actions_addopen(&actions, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, program.c_str(), &actions, nullptr, argv, environment.data()), 0);
        posix_spawn_file_actions_destroy(&actions);
        const std::optional<int> exitCode = waitForExit(pid, 30s);
        if (!exitCode) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        EXPECT_EQ(exitCode, std::optional<int>(1)) << display;
        const std::string expected = *display ? "fatal: cannot open the display \":987\"\n"
                                              : "fatal: no display to open: DISPLAY is not set\n";
        EXPECT_EQ(readFile(output), expected);
    }
}

} // namespace
