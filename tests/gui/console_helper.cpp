// A console program for the console runner's tests and benchmark: each mode writes its
// output the way a particular console program might.
//   console_helper MODE [ARGUMENTS...]

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

void Write(const char* text, std::size_t length, int fd = 1)
{
    while (length > 0) {
        const ssize_t written = ::write(fd, text, length);
        if (written <= 0)
            return;
        text += written;
        length -= static_cast<std::size_t>(written);
    }
}
void Write(const std::string& text)
{
    Write(text.data(), text.size());
}
void Pause()
{
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
}

} // namespace

int main(int argc, char** argv)
{
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "args") {
        // Each argument on a line of its own, in brackets.
        for (int i = 2; i < argc; ++i)
            Write("[" + std::string(argv[i]) + "]\n");
    } else if (mode == "session") {
        Write(::getsid(0) == ::getpid() ? "own session\n" : "shared session\n");
    } else if (mode == "split") {
        // Pieces that only make sense together: six backspaces, then the new figure; a
        // UTF-8 character cut in two; CR LF cut in two; a NUL; a line on standard error.
        Write("File (000%)\b\b\b\b\b\b");
        Pause();
        Write("(050%)\xc3");
        Pause();
        Write("\xa9\r");
        Pause();
        Write(std::string("\nA\0B\r\n", 6));
        Write("err\n", 4, 2);
    } else if (mode == "burst") {
        // 100 KB in one go right before the end.
        std::string burst;
        for (int i = 0; burst.size() < 100 * 1024; ++i)
            burst += "line " + std::to_string(i) + "\n";
        burst += "last";
        Write(burst);
    } else if (mode == "ask") {
        // Asks a question and waits for the answer.
        Write("Overwrite? ");
        char answer[16];
        const ssize_t got = ::read(0, answer, sizeof answer);
        Write(got > 0 ? "answered\n" : "no answer\n");
    } else if (mode == "sleep") {
        std::this_thread::sleep_for(std::chrono::milliseconds(argc > 2 ? std::atoi(argv[2]) : 500));
        Write("awake\n");
    } else if (mode == "flood") {
        // LINES lines of WIDTH bytes, each written as a progress line is: its start with a
        // figure, then backspaces, the final figure and the rest, each part at once.
        const int lines = argc > 2 ? std::atoi(argv[2]) : 100000;
        const int width = argc > 3 ? std::atoi(argv[3]) : 100;
        for (int i = 0; i < lines; ++i) {
            const std::string start = "Line " + std::to_string(i) + " (000%)";
            std::string rest = "\b\b\b\b\b\b(100%)";
            rest.append(static_cast<std::size_t>(std::max(1, width - static_cast<int>(start.size() + rest.size()))), 'x');
            rest.back() = '\n';
            Write(start);
            Write(rest);
        }
    } else {
        std::fprintf(stderr, "usage: console_helper args|session|split|burst|ask|sleep [MS]|flood [LINES [WIDTH]]\n");
        return 3;
    }
    return 0;
}
