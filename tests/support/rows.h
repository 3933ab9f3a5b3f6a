// Table-driven checks: rows of {what a call gave, what it should give}. The
// calls' results live until the whole list is checked, so texts can be views
// of temporaries.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>

template <class T>
void ExpectRows(std::initializer_list<std::pair<T, T>> rows) {
    int i = 0;
    for (const auto& [got, expected] : rows) EXPECT_EQ(got, expected) << "row " << i++;
}
inline void ExpectTexts(std::initializer_list<std::pair<std::string_view, std::string_view>> rows) { ExpectRows(rows); }
inline void ExpectNumbers(std::initializer_list<std::pair<std::int32_t, std::int32_t>> rows) { ExpectRows(rows); }
