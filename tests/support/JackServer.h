// A private JACK server with the dummy driver (no sound card needed) for the tests of one
// process, and test clients with one MIDI port each.
#pragma once

#include <jack/jack.h>
#include <rtmidi/RtMidi.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>
#include <chrono>

#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace jack_test {

using Clock = std::chrono::steady_clock;
// Long enough for a loaded machine; a passing test waits only as long as the thing takes.
constexpr std::chrono::seconds kPatience{10};

inline bool WaitUntil(const std::function<bool()>& done,
                      std::chrono::milliseconds patience = kPatience) {
    const auto deadline = Clock::now() + patience;
    while (!done()) {
        if (Clock::now() > deadline) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// Clients of this process reach the server through JACK_DEFAULT_SERVER, set while it runs.
class JackServer {
  public:
    JackServer() : name_("velunka-test-" + std::to_string(getpid())) {
        setenv("JACK_NO_START_SERVER", "1", 1);
        setenv("JACK_DEFAULT_SERVER", name_.c_str(), 1);
        std::vector<std::string> args = {"jackd", "--no-realtime", "-n", name_, "-d", "dummy",
                                         "-r",    "44100",         "-p", "256"};
        std::vector<char*> argv;
        for (std::string& arg : args) argv.push_back(arg.data());
        argv.push_back(nullptr);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
        if (posix_spawnp(&pid_, "jackd", &actions, nullptr, argv.data(), environ) != 0) pid_ = 0;
        posix_spawn_file_actions_destroy(&actions);
        running_ = pid_ != 0 && WaitUntil([] { return Answers(); });
    }

    ~JackServer() {
        if (pid_ != 0) {
            kill(pid_, SIGTERM);
            int status = 0;
            waitpid(pid_, &status, 0);
        }
        unsetenv("JACK_DEFAULT_SERVER");
    }

    JackServer(const JackServer&) = delete;
    JackServer& operator=(const JackServer&) = delete;

    bool Running() const { return running_; }

    // Whether the port's connections include one whose name contains `other`.
    static bool Connected(const std::string& port, const std::string& other) {
        jack_client_t* client = OpenClient();
        if (client == nullptr) return false;
        bool found = false;
        if (jack_port_t* p = jack_port_by_name(client, port.c_str())) {
            if (const char** connections = jack_port_get_all_connections(client, p)) {
                for (const char** c = connections; *c != nullptr; ++c) {
                    if (std::string(*c).find(other) != std::string::npos) found = true;
                }
                jack_free(connections);
            }
        }
        jack_client_close(client);
        return found;
    }

  private:
    static void Quiet(const char*) {}

    static jack_client_t* OpenClient() {
        jack_set_error_function(Quiet);
        jack_set_info_function(Quiet);
        jack_status_t status{};
        return jack_client_open("velunka-test-probe", JackNoStartServer, &status);
    }

    static bool Answers() {
        jack_client_t* client = OpenClient();
        if (client == nullptr) return false;
        jack_client_close(client);
        return true;
    }

    std::string name_;
    pid_t pid_ = 0;
    bool running_ = false;
};

// What arrives on other threads (a test client's messages, the notes handed on), in order.
template <class T>
class Collected {
  public:
    void Add(T item) {
        std::lock_guard lock(mutex_);
        items_.push_back(std::move(item));
    }
    std::vector<T> Items() const {
        std::lock_guard lock(mutex_);
        return items_;
    }
    bool WaitForCount(std::size_t count) const {
        return WaitUntil([&] { return Items().size() >= count; });
    }

  private:
    mutable std::mutex mutex_;
    std::vector<T> items_;
};

using Received = Collected<std::vector<unsigned char>>;

// A test synthesizer: a client "client" with an input port "port" that records what arrives.
class TestSynth {
  public:
    TestSynth(const std::string& client, const std::string& port)
        : input_(RtMidi::UNIX_JACK, client) {
        input_.ignoreTypes(false, false, false);
        input_.setCallback(&TestSynth::OnMessage, &received_);
        input_.openVirtualPort(port);
    }
    const Received& Got() const { return received_; }

  private:
    static void OnMessage(double, std::vector<unsigned char>* message, void* received) {
        static_cast<Received*>(received)->Add(*message);
    }
    Received received_;
    RtMidiIn input_;
};

// A test keyboard: a client "client" with an output port "port".
class TestKeyboard {
  public:
    TestKeyboard(const std::string& client, const std::string& port)
        : output_(RtMidi::UNIX_JACK, client) {
        output_.openVirtualPort(port);
    }
    void Play(std::vector<unsigned char> message) { output_.sendMessage(&message); }

  private:
    RtMidiOut output_;
};

}  // namespace jack_test
