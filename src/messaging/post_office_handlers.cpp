// The post office in the function table: the post office file in use, the
// last outcome, MSG_SEND and the six field buffers. Names of any length are
// passed on: one Windows refuses ends in one of the outcome texts.
#include <windows.h>

#include <new>
#include <string>

#include "datetime/calendar_dates.h"
#include "host/declare.h"
#include "messaging/post_office.h"
#include "messaging/post_office_files.h"
#include "messaging/post_office_state.h"
#include "messaging/profile_text.h"

namespace tarvo {
namespace {

std::string g_postOffice;
std::string g_outcome = kPostOfficeDone;

void SetOutcome(std::string text) {
    if (text.size() > kOutcomeLength) text.resize(kOutcomeLength);
    g_outcome = std::move(text);
}

enum Field { kFrom, kTo, kDateTime, kSubject, kCategory, kBody };
constexpr const char* kLabels[6] = {"De ...",    "A ...",          "Datetime ...",
                                    "Sujet ...", "Cat\xE9gorie ...", "Corps ..."};
bool g_fieldsExist = false;  // MSG_READ has run since the last unload

// Raw: the path in use is returned before the parameter is read.
void MsgPostOffice(ParamBlock* p) {
    ReturnString(g_postOffice);
    if (ParamCount(p) == 1 && Param(p, 1).type == 'C') {
        TextArg path(p, 1);
        g_postOffice = path.data;
    }
    SetOutcome(kPostOfficeDone);
}

bool MsgSend(std::string_view destination, std::string_view sender, std::string_view subject,
             std::string_view category, std::string_view body) {
    if (g_postOffice.empty()) {
        SetOutcome(kNoPostOffice);
        return false;
    }
    SYSTEMTIME t;
    GetLocalTime(&t);
    try {
        const std::string stamp =
            DateTimeStamp(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond);
        const std::string to = UpperAscii(destination);
        SetOutcome(DeliverMessage(g_postOffice, to,
                                  MessageContent(to, sender, stamp, subject, category, body)));
    } catch (const std::bad_alloc&) {
        SetOutcome(kPostOfficeNoMemory);
        return false;
    }
    return g_outcome == kPostOfficeDone;
}

std::string MsgLastError() { return g_outcome; }

bool MsgRead() {
    g_fieldsExist = true;
    return true;
}

template <Field F>
std::string MsgField() {
    return g_fieldsExist ? std::string(kLabels[F]) : std::string();
}

constexpr RowSpec kRows[] = {
#include "messaging/post_office_rows.h"
};

}  // namespace

void ResetPostOffice() {
    g_postOffice.clear();
    SetOutcome(kPostOfficeDone);
}

void ReleaseFieldBuffers() { g_fieldsExist = false; }

Family PostOfficeFunctions() { return FamilyRows<kRows>(); }

}  // namespace tarvo
