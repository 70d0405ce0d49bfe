#pragma once

// A program of the tests' own started as a child, its standard error read
// from a pipe, killed when the test ends however it ends.

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

extern char** environ;

namespace defserver::testing {

class ChildProgram {
public:
    ChildProgram(std::string program, std::vector<std::string> arguments) {
        int pipeEnds[2];
        EXPECT_EQ(pipe(pipeEnds), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDERR_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
        // Nothing of the child's, nor of any process it starts, may hold the
        // test's own output open after the test.
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        arguments.insert(arguments.begin(), std::move(program));
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        EXPECT_EQ(posix_spawn(&m_pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        close(pipeEnds[1]);
        m_log = pipeEnds[0];
    }

    // Asked to stop first, so that a program with processes of its own
    // (nginx's workers) ends them too.
    ~ChildProgram() {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            if (Wait() == -1 && m_pid > 0) {
                kill(m_pid, SIGKILL);
                waitpid(m_pid, nullptr, 0);
            }
        }
        close(m_log);
    }

    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    // The log up to a line holding `text`, or all of it when the program
    // ends first; waits at most `wait`.
    std::string ReadLogUntil(std::string_view text,
                             std::chrono::milliseconds wait = std::chrono::seconds(10)) {
        const auto deadline = std::chrono::steady_clock::now() + wait;
        while (m_read.find(text) == std::string::npos &&
               std::chrono::steady_clock::now() < deadline) {
            pollfd ready{m_log, POLLIN, 0};
            if (poll(&ready, 1, 100) <= 0) {
                continue;
            }
            char block[1024];
            const ssize_t got = read(m_log, block, sizeof block);
            if (got <= 0) {
                break;
            }
            m_read.append(block, static_cast<std::size_t>(got));
        }
        return m_read;
    }

    // The exit code, or -1 when it did not end normally within ten seconds.
    int Wait() {
        for (int tries = 0; tries < 1000; ++tries) {
            int status = 0;
            if (waitpid(m_pid, &status, WNOHANG) == m_pid) {
                m_pid = 0;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    void Signal(int signal) const { kill(m_pid, signal); }

private:
    pid_t m_pid = 0;
    int m_log = -1;
    std::string m_read;
};

class ServerProgram : public ChildProgram {
public:
    explicit ServerProgram(std::vector<std::string> arguments)
        : ChildProgram(DEFSERVER_PROGRAM, std::move(arguments)) {}

    // The port it says it listens on, or -1.
    int Port() {
        const std::string log = ReadLogUntil("/ (newest");
        const std::size_t at = log.find("http://127.0.0.1:");
        return at == std::string::npos ? -1 : std::stoi(log.substr(at + 17));
    }
};

}  // namespace defserver::testing
