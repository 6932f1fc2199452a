#pragma once
// Reads a fuzzer's bytes as the values a target needs. Once the bytes run out every read gives
// zero, so a short input is still a complete case.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size)
        : FData(data)
        , FSize(size)
    {
    }

    [[nodiscard]] std::uint8_t byte()
    {
        if (FPos >= FSize)
            return 0;
        return FData[FPos++];
    }

    [[nodiscard]] std::uint64_t word()
    {
        std::uint64_t bits = 0;
        const std::size_t n = FPos + sizeof bits <= FSize ? sizeof bits : FSize - FPos;
        std::memcpy(&bits, FData + FPos, n);
        FPos += n;
        return bits;
    }

    // Any bit pattern: NaN, infinities, denormals and negative zero included.
    [[nodiscard]] double rawDouble()
    {
        const std::uint64_t bits = word();
        double value = 0.0;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }

    // A value from 0 up to (not including) 1, evenly spread over the 53 bits a double holds.
    [[nodiscard]] double unit() { return static_cast<double>(word() >> 11) * 0x1.0p-53; }

    [[nodiscard]] std::string_view rest()
    {
        const std::string_view text(reinterpret_cast<const char*>(FData + FPos), FSize - FPos);
        FPos = FSize;
        return text;
    }

private:
    const std::uint8_t* FData;
    std::size_t FSize;
    std::size_t FPos = 0;
};

// A broken invariant is a finding: say which one and stop, so that libFuzzer keeps the input.
inline void require(bool holds, const char* invariant)
{
    if (holds)
        return;
    std::fprintf(stderr, "invariant broken: %s\n", invariant);
    std::abort();
}
