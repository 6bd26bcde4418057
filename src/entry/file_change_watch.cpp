#include "entry/file_change_watch.h"

#if defined(__linux__)

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <filesystem>
#include <thread>

namespace lexavo {

namespace {

constexpr uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_MODIFY |
                                   IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF |
                                   IN_ONLYDIR;
// On the file itself too: a write through another link, in another folder.
constexpr uint32_t kFileEvents =
    IN_MODIFY | IN_ATTRIB | IN_CLOSE_WRITE | IN_DELETE_SELF | IN_MOVE_SELF;

}  // namespace

struct FileChangeWatch::Impl {
    int notify = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    int wake = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    int folderWatch = -1;
    int fileWatch = -1;
    std::atomic<uint64_t> notices{0};
    // Set while the thread takes notices off the queue, so that settle() can tell a
    // queue just emptied from notices not yet counted.
    std::atomic<bool> taking{false};
    std::thread thread;

    Impl() {
        if (notify >= 0 && wake >= 0) thread = std::thread([this] { run(); });
    }
    ~Impl() {
        if (thread.joinable()) {
            const uint64_t one = 1;
            (void)!::write(wake, &one, sizeof one);
            thread.join();
        }
        if (notify >= 0) ::close(notify);
        if (wake >= 0) ::close(wake);
    }

    void run() {
        pollfd fds[2] = {{notify, POLLIN, 0}, {wake, POLLIN, 0}};
        alignas(inotify_event) char buffer[4096];
        for (;;) {
            if (::poll(fds, 2, -1) < 0) continue;
            if (fds[1].revents != 0) return;
            taking = true;
            while (::read(notify, buffer, sizeof buffer) > 0) ++notices;
            taking = false;
        }
    }

    bool queued() const {
        pollfd fd{notify, POLLIN, 0};
        return ::poll(&fd, 1, 0) > 0 && (fd.revents & POLLIN) != 0;
    }
};

FileChangeWatch::FileChangeWatch() = default;
FileChangeWatch::~FileChangeWatch() = default;

void FileChangeWatch::watch(const std::string& path) {
    // The thread and the kernel's notice queue come with the first watch, so that a
    // reader that never reads an entry costs nothing.
    if (!impl_) impl_ = std::make_unique<Impl>();
    Impl& w = *impl_;
    if (!w.thread.joinable()) return;
    // Ending the old watches gives notices too; they only cost one look more.
    if (w.folderWatch >= 0) inotify_rm_watch(w.notify, w.folderWatch);
    if (w.fileWatch >= 0 && w.fileWatch != w.folderWatch) inotify_rm_watch(w.notify, w.fileWatch);
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    w.folderWatch =
        inotify_add_watch(w.notify, folder.empty() ? "." : folder.c_str(), kFolderEvents);
    w.fileWatch = inotify_add_watch(w.notify, path.c_str(), kFileEvents);
}

bool FileChangeWatch::active() const {
    return impl_ && impl_->folderWatch >= 0 && impl_->fileWatch >= 0;
}

uint64_t FileChangeWatch::notices() const { return impl_ ? impl_->notices.load() : 0; }

void FileChangeWatch::settle() const {
    if (!impl_ || !impl_->thread.joinable()) return;
    while (impl_->queued() || impl_->taking.load()) {
        std::this_thread::sleep_for(std::chrono::microseconds(50));
    }
}

}  // namespace lexavo

#else

namespace lexavo {

struct FileChangeWatch::Impl {};

FileChangeWatch::FileChangeWatch() = default;
FileChangeWatch::~FileChangeWatch() = default;
void FileChangeWatch::watch(const std::string&) {}
bool FileChangeWatch::active() const { return false; }
uint64_t FileChangeWatch::notices() const { return 0; }
void FileChangeWatch::settle() const {}

}  // namespace lexavo

#endif
