// The event loop: the program serves the thread's messages in READ EVENTS
// (until CLEAR EVENTS), DOEVENTS, INKEY(n) and WAIT ... TIMEOUT n. Thread
// timers and posted messages run there; a command such a timer sends is an
// event command (see interp.h).
#include "runner/lang/interp.h"

namespace tarvo::run::lang {

void Interpreter::PumpEvents(unsigned milliseconds, bool untilCleared) {
    pumps_.push_back({libraryCalls_, serviceDepth_});
    struct Pop {
        std::vector<Pumping>& v;
        ~Pop() { v.pop_back(); }
    } pop{pumps_};
    host_.Pump(milliseconds, [&] {
        return quitRequested_ || (interrupt_ && settings_.escape) || (untilCleared && clearEvents_);
    });
    CheckQuit();
    CheckInterrupt();
}

void Interpreter::ReadEvents() {
    Counting level(readEvents_);
    clearEvents_ = false;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{clearEvents_};
    PumpEvents(INFINITE, true);
}

void Interpreter::ClearEvents() {
    if (readEvents_ > 0) clearEvents_ = true;
}

// A command comes from the program's own message loop when no library call
// and no library command started since that loop did.
bool Interpreter::FromEventLoop() const {
    return !pumps_.empty() && pumps_.back().libraryCalls == libraryCalls_ &&
           pumps_.back().serviceDepth == serviceDepth_;
}

namespace {

void ParseDoEvents(ExprParser& p, Stmt&) {
    p.Word("FORCE");
    p.ExpectEnd();
}

Flow ExecReadEvents(Interpreter& in, const Stmt&) {
    in.ReadEvents();
    return Flow::Next;
}

// Ends the READ EVENTS running (nothing when none is).
Flow ExecClearEvents(Interpreter& in, const Stmt&) {
    in.ClearEvents();
    return Flow::Next;
}

Flow ExecDoEvents(Interpreter& in, const Stmt&) {
    in.PumpEvents(0);
    return Flow::Next;
}

const Command kCommands[] = {
    {"READ", "EVENTS", ParseEnd, ExecReadEvents, nullptr, 0},
    {"READ", nullptr, ParseUnavailable, nullptr, nullptr, 0},
    {"CLEAR", "EVENTS", ParseEnd, ExecClearEvents, nullptr, 0},
    {"DOEVENTS", nullptr, ParseDoEvents, ExecDoEvents, nullptr, 0},
};

}  // namespace

std::span<const Command> EventCommands() { return kCommands; }

}  // namespace tarvo::run::lang
