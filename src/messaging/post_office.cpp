#include "messaging/post_office.h"

#include <cstdio>
#include <limits>

#include "messaging/profile_text.h"

namespace tarvo {
namespace {

// What a profile read into a buffer of `size` bytes keeps.
std::string Cut(std::string text, std::size_t size) {
    if (text.size() > size - 1) text.resize(size - 1);
    return text;
}

std::string Read(std::string_view text, const char* section, std::string_view key, std::size_t size) {
    return Cut(ProfileString(text, section, key).value_or(""), size);
}

}  // namespace

Delivery PlanDelivery(std::string_view postOffice, std::string_view destination) {
    Delivery d;
    // The key names as the profile functions list them into 2048 bytes: the
    // names with a zero byte after each, the last one cut where the buffer
    // ends.
    std::string list;
    for (const std::string& name : ProfileKeyNames(postOffice, "ACCOUNTS")) {
        if (!list.empty()) list += ';';
        list += name;
    }
    list = UpperAscii(Cut(list, 2047));
    if (list.find(destination) == std::string::npos) {
        d.outcome = "Destination " + std::string(destination) + " not found";
        return d;
    }
    const std::string dir = Read(postOffice, std::string(destination).c_str(), "Dir", 2048);
    if (dir.empty()) {
        d.outcome = "Post Office directory of " + std::string(destination) + " not found";
        return d;
    }
    const std::string root = Read(postOffice, "ROOT", "Dir", 260);
    if (root.empty()) {
        d.outcome = "Root directory of the Post Office not found";
        return d;
    }
    const std::string last = Read(postOffice, "SEQUENCING", "next", 12);
    d.number = last.empty() ? 1 : CounterValue(last) + 1;
    d.directory = root + "\\" + dir;
    return d;
}

std::string MessageFileName(std::int64_t number) {
    char name[40];
    std::snprintf(name, sizeof name, "%012lld.msg", static_cast<long long>(number));
    return name;
}

std::string MessageContent(std::string_view destination, std::string_view sender,
                           std::string_view stamp, std::string_view subject,
                           std::string_view category, std::string_view body) {
    std::string m;
    m.reserve(destination.size() + sender.size() + stamp.size() + subject.size() +
              category.size() + body.size() + 5);
    const std::string_view fields[] = {destination, sender, stamp, subject, category, body};
    for (std::size_t i = 0; i < 6; ++i) {
        if (i > 0) m += '\0';
        m.append(fields[i]);
    }
    return m;
}

std::string RecordDelivery(std::string_view postOffice, std::int64_t number) {
    std::string text = WriteProfileString(postOffice, "SEQUENCING", "next", std::to_string(number));
    const std::string counter = Read(text, "MESSAGES", "counter", 12);
    return WriteProfileString(text, "MESSAGES", "counter", std::to_string(CounterValue(counter) + 1));
}

std::int64_t CounterValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r'))) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    constexpr std::int64_t kMost = std::numeric_limits<std::int64_t>::max() / 10 - 9;
    std::int64_t n = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9' && n < kMost; ++i)
        n = n * 10 + (text[i] - '0');
    return negative ? -n : n;
}

bool InWindowsDirectory(std::string_view name) {
    if (name.find_first_of("\\/") != std::string_view::npos) return false;
    const bool drive = name.size() >= 2 && name[1] == ':' &&
                       ((name[0] >= 'A' && name[0] <= 'Z') || (name[0] >= 'a' && name[0] <= 'z'));
    return !drive;
}

}  // namespace tarvo
