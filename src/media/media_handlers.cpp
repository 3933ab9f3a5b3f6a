// Media control: the rows, and the shapes of the names that send one fixed
// command.
#include <windows.h>

#include "host/companion.h"
#include "host/declare.h"
#include "media/media.h"
#include "media/media_commands.h"

namespace tarvo {

// A fixed command whose reply is not looked at: .T.
template <const char* Command>
bool SendFixed() {
    MciCommand(Command);
    return true;
}

// A fixed command whose reply is tested by the truth words.
template <const char* Command>
bool AskTruth() {
    MciCommand(Command);
    return IsTruthWord(MciReply());
}

// A fixed command whose reply is the result.
template <const char* Command>
std::string AskReply() {
    MciCommand(Command);
    return MciReply();
}

// A fixed command that stores the last MCI error; its reply is the result.
template <const char* Command>
std::string SendStoring() {
    LastMciError() = MciCommand(Command);
    return MciReply();
}

// A CD command of the companion: it stores the last MCI error; .T. for 0.
template <CdAction Action>
bool CdAct() {
    LastMciError() = static_cast<std::uint32_t>(CdCommand(Action, MciReply()));
    return LastMciError() == 0;
}

// MessageBeep with a sound type of its own.
template <std::uint32_t Type>
void SndBeep() {
    MessageBeep(Type);
}

namespace {
constexpr RowSpec kRows[] = {
#include "media/media_rows.h"
};
}  // namespace

Family MediaFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
