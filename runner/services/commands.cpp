// The commands-and-output group: the services that belong to the host
// language. PutString (2) writes to the host's output, ExecuteCommand (54)
// runs a command, EvaluateExpression (55) evaluates an expression into a
// record (filled only on success), GetErrorInfo (85) gives an error's text.
// The interpreter serves them through the Host's hooks; without it a command
// runs here only when it is a WAIT WINDOW.
#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>

#include "runner/host.h"
#include "runner/services/services.h"

namespace tarvo::run {
namespace {

int DefaultCommand(Host& host, const std::string& command) {
    const std::string upper = UpperAscii(command);
    if (upper.rfind("WAIT WINDOW", 0) == 0) {
        std::string rest = command.substr(11);
        std::size_t a = rest.find_first_of("'\"[");
        if (a != std::string::npos) {
            char close = rest[a] == '[' ? ']' : rest[a];
            std::size_t z = rest.find(close, a + 1);
            rest = rest.substr(a + 1, z == std::string::npos ? std::string::npos : z - a - 1);
        }
        host.waitWindows.push_back(rest);
        std::printf("WAIT WINDOW: %s\n", rest.c_str());
        std::fflush(stdout);
        return 0;
    }
    return 16;  // unrecognized command verb: no interpreter is attached
}

}  // namespace

void ServeCommands(ServiceCall& call) {
    Host& host = call.host;
    switch (call.code()) {
    case kSvcPutString:
        if (host.hooks.output) host.hooks.output(call.text);
        else std::fputs(call.text.c_str(), stdout), std::fflush(stdout);
        return;
    case kSvcExecuteCommand: {
        const std::string& fail = host.faults.failCommand;
        if (!fail.empty() && call.text.find(fail) != std::string::npos)
            return call.Answer(host.faults.commandError);
        const std::string& abort = host.faults.abortCommand;
        if (!abort.empty() && call.text.find(abort) != std::string::npos)
            return host.RaiseInFrame(&call.block, host.faults.commandError,
                                     ErrorText(host.faults.commandError));
        if (host.hooks.executeCommand) return call.Answer(host.hooks.executeCommand(call.text));
        return call.Answer(DefaultCommand(host, call.text));
    }
    case kSvcEvaluateExpression: {
        Value v;
        int err = host.hooks.evaluate ? host.hooks.evaluate(call.text, v) : 10;
        if (err == 0) host.FillRecord(v, call.at<ValueRecord>(1));
        return call.Answer(err);
    }
    default: {  // kSvcGetErrorInfo: answers the number itself
        int number = call.arg(1);
        std::string s = host.hooks.errorText ? host.hooks.errorText(number) : ErrorText(number);
        if (char* buf = call.at<char>(2)) {
            std::size_t n = std::min<std::size_t>(s.size(), 255);
            std::memcpy(buf, s.data(), n);
            buf[n] = '\0';
        }
        return;
    }
    }
}

}  // namespace tarvo::run
