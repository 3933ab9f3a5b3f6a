// Table-driven checks: rows of {what a call gave, what it should give}. The
// results of the calls in one list live until the check is done, so texts
// can be views of temporaries.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string_view>

template <class T>
struct Row {
    T got, expected;
};

template <class T>
void ExpectRows(std::initializer_list<Row<T>> rows) {
    int i = 0;
    for (const Row<T>& r : rows) EXPECT_EQ(r.got, r.expected) << "row " << i++;
}
inline void ExpectTexts(std::initializer_list<Row<std::string_view>> rows) { ExpectRows(rows); }
inline void ExpectNumbers(std::initializer_list<Row<std::int32_t>> rows) { ExpectRows(rows); }
