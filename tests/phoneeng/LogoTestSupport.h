// Builders shared by the logo codec tests.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <random>
#include <vector>

#include "logo/Bitmap.h"
#include "logo/Logo.h"

namespace logotest {

// `head`, then `first`, then `count` copies of `fill`.
inline std::vector<uint8_t> bytesOf(std::initializer_list<uint8_t> head, uint8_t first,
                                    size_t count, uint8_t fill) {
    std::vector<uint8_t> out(head);
    out.push_back(first);
    out.insert(out.end(), count, fill);
    return out;
}

inline phoneeng::Logo logoWith(phoneeng::LogoType type,
                               std::initializer_list<std::pair<int, int>> setPixels) {
    phoneeng::Logo logo;
    logo.setType(type);
    for (auto [x, y] : setPixels) {
        logo.setPixel(x, y, true);
    }
    return logo;
}

// A logo of `type` with a reproducible random pattern.
inline phoneeng::Logo randomLogo(phoneeng::LogoType type, unsigned seed) {
    phoneeng::Logo logo;
    logo.setType(type);
    std::mt19937 rng(seed);
    for (int y = 0; y < logo.height(); ++y) {
        for (int x = 0; x < logo.width(); ++x) {
            logo.setPixel(x, y, rng() % 3 == 0);
        }
    }
    return logo;
}

constexpr phoneeng::LogoType kAllTypes[] = {phoneeng::LogoType::Operator,
                                            phoneeng::LogoType::Caller, phoneeng::LogoType::Picture,
                                            phoneeng::LogoType::Startup};

}  // namespace logotest
