#pragma once

#include <cstddef>

namespace platform {

// Text built in a fixed buffer without allocating or formatting through the C
// library: crash handlers run where neither is safe. Output past the end is cut.
template <std::size_t Size>
struct FixedText
{
    char data[Size];
    std::size_t len = 0;

    void put(const char *s)
    {
        while (*s && len < Size)
            data[len++] = *s++;
    }
    void num(unsigned long long v, int minDigits = 1)
    {
        char tmp[24];
        int n = 0;
        do {
            tmp[n++] = char('0' + v % 10);
            v /= 10;
        } while (v);
        while (n < minDigits)
            tmp[n++] = '0';
        while (n && len < Size)
            data[len++] = tmp[--n];
    }
    void hex(unsigned long long v)
    {
        static const char digits[] = "0123456789abcdef";
        char tmp[16];
        int n = 0;
        do {
            tmp[n++] = digits[v & 0xf];
            v >>= 4;
        } while (v);
        put("0x");
        while (n && len < Size)
            data[len++] = tmp[--n];
    }
};

}  // namespace platform
