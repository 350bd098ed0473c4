#include "TestSupport.h"

#include "System.Character.h"

#include <cstdio>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace ZarvelTest {

TToolResult RunTool(const std::string& Arguments, const std::string& Input) {
    char inputPath[] = "/tmp/zarvel-tool-input-XXXXXX";
    const int fd = mkstemp(inputPath);
    if (fd < 0) return {-1, ""};
    if (!Input.empty() && write(fd, Input.data(), Input.size()) != static_cast<ssize_t>(Input.size())) {
        close(fd);
        return {-1, ""};
    }
    close(fd);
    const std::string command =
        std::string(ZARVEL_TOOL) + " " + Arguments + " < " + inputPath + " 2>/dev/null";
    TToolResult result{-1, ""};
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) result.Out.append(buffer, n);
        const int status = pclose(pipe);
        result.Status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    unlink(inputPath);
    return result;
}

} // namespace ZarvelTest
