// The settings records: five process-wide records (desktop, font, help,
// user, application version) in which a program parks values and reads
// them back from anywhere. Nothing else in the library reads them. Their
// memory starts zeroed; an init function clears one record; a property
// function reads one field and, given a value, stores it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "host/args.h"

namespace tarvo {

// A text field of a fixed capacity (terminating zero not counted): a longer
// text is cut to its first `Capacity` characters.
template <std::size_t Capacity>
struct FieldText {
    char data[Capacity + 1] = {};
    void Set(std::string_view text) {
        const std::size_t n = std::min(text.size(), Capacity);
        std::memcpy(data, text.data(), n);
        data[n] = '\0';
    }
    std::string Get() const { return data; }
};

struct DesktopRecord {
    FieldText<256> cargo;
    FieldText<264> title;
    FieldText<64> fill;
    FieldText<64> center;
    double height = 0;
    double width = 0;
    bool maximized = false;
};

struct FontRecord {
    FieldText<256> cargo;
    FieldText<42> name;
    std::int32_t size = 0;
};

struct HelpRecord {
    FieldText<256> cargo;
    FieldText<282> topic;
    std::int32_t code = 0;
};

struct UserRecord {
    FieldText<256> cargo;
    FieldText<60> name;
    FieldText<61> company;
    std::int32_t number = 0;
    std::int32_t level = 0;
};

struct VersionRecord {
    FieldText<256> cargo;
    FieldText<60> name;
    FieldText<40> author;
    FieldText<70> copyright;
    FieldText<64> ini;
    FieldText<20> date;
    std::int32_t major = 0;
    std::int32_t minor = 0;
    std::int32_t counter = 0;
    bool alpha = false;
    bool beta = false;
    bool prerelease = false;
};

DesktopRecord& Desktop();
FontRecord& Font();
HelpRecord& Help();
UserRecord& User();
VersionRecord& Version();

// The init functions: each clears its record, but the user's level, which
// USR_INIT keeps.
bool DskInit();
bool FntInit();
bool HlpInit();
bool UsrInit();
bool VerInit();

// One field of one record: Record() is the record, Member the field.
template <auto Record, auto Member>
auto& FieldOf() {
    return Record().*Member;
}

// A text is taken up to its first zero byte. The desktop, font and help
// texts answer the value they store; the other texts answer the value
// before the call, so they are a pair, TextOf and SetText, so that the answer
// goes back before the new text is read (AnswerThen in host/declare.h).
template <auto Record, auto Member>
std::string StoredText(Opt<const char*> value) {
    auto& field = FieldOf<Record, Member>();
    if (value.present) field.Set(value.value);
    return field.Get();
}
template <auto Record, auto Member>
std::string TextOf() {
    return FieldOf<Record, Member>().Get();
}
template <auto Record, auto Member>
void SetText(Opt<const char*> value) {
    if (value.present) FieldOf<Record, Member>().Set(value.value);
}

// Numbers, integers and logicals answer the value before the call.
template <auto Record, auto Member, typename T>
T ValueProperty(Opt<T> value) {
    auto& field = FieldOf<Record, Member>();
    const T previous = field;
    if (value.present) field = value.value;
    return previous;
}

// The alpha, beta and prerelease flags of the version record exclude one
// another: storing .T. in one of them sets the other two to .F.; storing
// .F. leaves the others as they are.
template <bool VersionRecord::*Member>
bool ReleaseFlag(Opt<bool> value) {
    VersionRecord& v = Version();
    const bool previous = v.*Member;
    if (value.present && value.value) v.alpha = v.beta = v.prerelease = false;
    if (value.present) v.*Member = value.value;
    return previous;
}

// The library's own version, as the miscellaneous functions give it.
constexpr std::int32_t kLibraryMajor = 5;
constexpr std::int32_t kLibraryMinor = 7;
// "TARVO.FLL - Dasquin - 03 August 1998 17:25-v5.07"
std::string LibraryVersionLine();

// Weight in kilograms over the square of the height in metres, from a
// height in centimetres: weight / height / height * 10000, in double
// precision (a height of 0 gives what the division gives).
double BodyMassIndex(std::int32_t weight, std::int32_t height);

// The name of a version resource string by its index 1 to 12
// ("ProductName" ... "Comments"); null outside that range.
const char* VersionStringName(std::int32_t index);

}  // namespace tarvo
