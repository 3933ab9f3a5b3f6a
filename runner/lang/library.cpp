// The interpreter's services for the library: commands and expressions it
// sends, variables it reads and writes through locators, error texts.
#include "runner/lang/interp.h"
#include "runner/lang/lexer.h"

namespace tarvo::run::lang {

// A command or expression the library sent runs in the current frame, and
// the frame's position is restored afterwards. An event command (one from
// the program's own message loop) is a unit of the program's work: ON ERROR
// applies to it, and the program's TRY blocks, which wait for the message
// loop to return, do not catch its errors. Any other answers its errors to
// the library, unseen by ON ERROR.
struct Interpreter::ServiceScope {
    Interpreter& in;
    Frame* frame;
    int line;
    const Stmt* stmt;
    int tryDepth;
    bool onErrorApplies;
    ServiceScope(Interpreter& i, bool event)
        : in(i), frame(&i.frame()), line(frame->line), stmt(frame->stmt), tryDepth(i.tryDepth_),
          onErrorApplies(i.onErrorApplies_) {
        ++in.serviceDepth_;
        in.onErrorApplies_ = event;
        if (event) in.tryDepth_ = 0;
    }
    ~ServiceScope() {
        --in.serviceDepth_;
        in.tryDepth_ = tryDepth;
        in.onErrorApplies_ = onErrorApplies;
        frame->line = line;
        frame->stmt = stmt;
    }
};

// Runs work for a library service: a script error becomes the host's error
// number (0 when the work succeeds); QUIT is noted and answers `onQuit`. An
// error that ends an event command is reported.
template <typename Work>
int Interpreter::ServeLibrary(bool event, int onQuit, Work&& work) {
    ServiceScope scope(*this, event);
    try {
        work();
        return 0;
    } catch (ScriptError& e) {
        Complete(e);
        serviceError_ = e;
        if (event) {
            RunResult r;
            r.error = e.number;
            r.message = e.message;
            r.line = e.line;
            r.procedure = e.procedure;
            r.hint = e.hint;
            r.chain = e.chain;
            std::string details = r.Details();
            if (!details.empty()) details.pop_back();
            report(details.empty() ? r.Describe() : r.Describe() + "\n" + details);
        }
        return e.number;
    } catch (const QuitSignal&) {
        quitRequested_ = true;
        return onQuit;
    } catch (const RetrySignal&) {
        return 0;  // RETRY ends the command the library sent
    } catch (const Interrupted&) {
        interrupt_ = true;  // taken again when the library call returns
        return kErrNotAvailable;
    } catch (const std::exception&) {
        if (event) report("Error " + std::to_string(kErrMemory) + ": " + ErrorText(kErrMemory));
        return kErrMemory;
    }
}

int Interpreter::ExecuteFromLibrary(const std::string& command) {
    return ServeLibrary(FromEventLoop(), 0, [&] { RunCommandText(command); });
}

int Interpreter::EvaluateFromLibrary(const std::string& expression, Value& out) {
    return ServeLibrary(false, kErrSyntax, [&] { out = EvaluateText(expression); });
}

int Interpreter::LoadReference(std::uint32_t id, Value& out) {
    auto it = refs_.find(id);
    VarP v = it == refs_.end() ? nullptr : it->second.lock();
    if (!v) return -kErrNoVariable;
    out = v->scalar();
    // The library reads numbers as N (it may rewrite only the double).
    if (out.type == 'I') out = Value::Num(out.integer, 0);
    return 0;
}

std::uint32_t Interpreter::Locate(const std::string& name) {
    VarP v = FindVariable(UpperAscii(name));
    if (!v) return 0;
    std::uint32_t id = nextRef_++;
    if (nextRef_ == 0) nextRef_ = 0x10000;
    refs_[id] = v;
    return id;
}

int Interpreter::StoreReference(std::uint32_t id, const Value& in) {
    auto it = refs_.find(id);
    VarP v = it == refs_.end() ? nullptr : it->second.lock();
    if (!v) return -kErrNoVariable;
    if (v->isArray) v->items.at(0) = in;
    else v->value = in;
    return 0;
}

std::string Interpreter::ErrorInfoText(int number) const {
    if (serviceError_.number == number && !serviceError_.message.empty()) return serviceError_.message;
    if (lastError_.number == number && !lastError_.message.empty()) return lastError_.message;
    return ErrorText(number);
}

}  // namespace tarvo::run::lang
