// Times a program's start-up from outside, as a user sees it: starts the
// command, waits for the X server to report the first drawing into the first
// top-level window the command maps, prints the milliseconds from the start
// and ends the command. The program's own marks cannot be the judge: they
// miss the loading before main() and the way to the server after the paint.
//
//   velmora-firstpaint [--timeout SECONDS] [--keep-output] [--processor-time] COMMAND [ARGUMENT...]
//
// --processor-time prints instead the milliseconds the command's threads ran
// on a processor until then, steadier on a machine others load.
//
// Drawing is seen through the DAMAGE extension, on the root window, which
// reports drawing into every window. Qt's windows have no background for the
// server to fill, so the first damage to a top-level window of the command
// once it is mapped is the program's own first paint. Exit code 0 with the time on standard
// output; 1 when the command ended or the timeout passed without a paint.

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <map>
#include <poll.h>
#include <signal.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

namespace {

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

struct Watched
{
    xcb_rectangle_t place{};
    bool mapped = false;
};

bool overlap(const xcb_rectangle_t &a, const xcb_rectangle_t &b)
{
    return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

void endCommand(pid_t pid)
{
    kill(pid, SIGTERM);
    for (int i = 0; i < 200; ++i) {
        if (waitpid(pid, nullptr, WNOHANG) == pid)
            return;
        usleep(10000);
    }
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

// Milliseconds the command's threads have run on a processor so far: on a
// loaded machine steadier than the time on the clock.
double processorMs(pid_t pid)
{
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    DIR *folder = opendir(tasks.c_str());
    if (!folder)
        return -1;
    double ns = 0;
    while (const dirent *task = readdir(folder)) {
        if (task->d_name[0] == '.')
            continue;
        if (FILE *stat = std::fopen((tasks + "/" + task->d_name + "/schedstat").c_str(), "r")) {
            unsigned long long ran = 0;
            if (std::fscanf(stat, "%llu", &ran) == 1)
                ns += double(ran);
            std::fclose(stat);
        }
    }
    closedir(folder);
    return ns / 1e6;
}

int usage()
{
    std::fputs(
        "usage: velmora-firstpaint [--timeout SECONDS] [--keep-output] [--processor-time] COMMAND [ARGUMENT...]\n",
        stderr);
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    double timeoutMs = 30000;
    bool keepOutput = false;
    bool processorTime = false;
    int first = 1;
    while (first < argc && std::strncmp(argv[first], "--", 2) == 0) {
        const std::string option = argv[first];
        if (option == "--timeout" && first + 1 < argc) {
            timeoutMs = std::atof(argv[first + 1]) * 1000;
            first += 2;
        } else if (option == "--processor-time") {
            processorTime = true;
            ++first;
        } else if (option == "--keep-output") {
            keepOutput = true;
            ++first;
        } else if (option == "--") {
            ++first;
            break;
        } else {
            return usage();
        }
    }
    if (first >= argc)
        return usage();

    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection)) {
        std::fputs("velmora-firstpaint: cannot open the display\n", stderr);
        return 1;
    }
    const xcb_query_extension_reply_t *damageExtension = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damageExtension || !damageExtension->present) {
        std::fputs("velmora-firstpaint: the X server has no DAMAGE extension\n", stderr);
        return 1;
    }
    // The server refuses damage requests from a client that has not said
    // which version it speaks.
    free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr));
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const uint32_t rootEvents = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &rootEvents);
    // Damage on the root window reports drawing into any window on the
    // screen, from the first request on: a damage object made per window once
    // it is created could come after a quick program's first paint.
    const xcb_damage_damage_t screenDamage = xcb_generate_id(connection);
    xcb_damage_create(connection, screenDamage, root, XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
    // A round trip, so the server watches the root before the command runs.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("velmora-firstpaint: fork");
        return 1;
    }
    if (pid == 0) {
        close(xcb_get_file_descriptor(connection));
        if (!keepOutput) {
            const int null = open("/dev/null", O_WRONLY);
            dup2(null, STDOUT_FILENO);
            dup2(null, STDERR_FILENO);
        }
        execvp(argv[first], argv + first);
        _exit(127);
    }

    std::map<xcb_window_t, Watched> windows;
    const uint8_t damageNotify = damageExtension->first_event + XCB_DAMAGE_NOTIFY;
    double painted = -1;
    double ended = -1;
    double endedProcessorMs = -1;
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (painted < 0) {
        xcb_generic_event_t *event = xcb_poll_for_event(connection);
        if (!event) {
            if (xcb_connection_has_error(connection))
                break;
            // A program that ends itself once it has painted (the yardstick
            // does) may be gone before the server has reported its paint:
            // the server gets a moment to catch up.
            rusage used{};
            if (ended < 0 && wait4(pid, nullptr, WNOHANG, &used) == pid) {
                ended = nowMs();
                // Its threads' times are gone from /proc with it.
                endedProcessorMs = double(used.ru_utime.tv_sec + used.ru_stime.tv_sec) * 1e3 +
                                   double(used.ru_utime.tv_usec + used.ru_stime.tv_usec) / 1e3;
            }
            if (ended >= 0 && nowMs() - ended > 500) {
                std::fputs("velmora-firstpaint: the command ended before it painted a window\n", stderr);
                return 1;
            }
            const double left = timeoutMs - (nowMs() - start);
            if (left <= 0)
                break;
            poll(&server, 1, left < 50 ? int(left) + 1 : 50);
            continue;
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
            if (created->parent == root && !created->override_redirect)
                windows[created->window].place = {created->x, created->y, created->width, created->height};
        } else if (type == XCB_CONFIGURE_NOTIFY) {
            const auto *configured = reinterpret_cast<xcb_configure_notify_event_t *>(event);
            const auto found = windows.find(configured->window);
            if (found != windows.end())
                found->second.place = {configured->x, configured->y, configured->width, configured->height};
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *mapped = reinterpret_cast<xcb_map_notify_event_t *>(event);
            const auto found = windows.find(mapped->window);
            if (found != windows.end())
                found->second.mapped = true;
        } else if (type == damageNotify) {
            // Drawing anywhere else (the root's background where a window
            // of the run before went away) is not the command's.
            const auto *damaged = reinterpret_cast<xcb_damage_notify_event_t *>(event);
            for (const auto &[window, watched] : windows) {
                if (watched.mapped && overlap(watched.place, damaged->area)) {
                    if (!processorTime)
                        painted = nowMs() - start;
                    else
                        painted = ended >= 0 ? endedProcessorMs : processorMs(pid);
                    break;
                }
            }
        }
        // Errors are left alone: a window may be gone before it is watched.
        free(event);
    }
    if (ended < 0)
        endCommand(pid);
    xcb_disconnect(connection);
    if (painted < 0) {
        std::fputs("velmora-firstpaint: no window was painted in time\n", stderr);
        return 1;
    }
    std::printf("%.2f\n", painted);
    return 0;
}
