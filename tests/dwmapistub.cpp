// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-in for the window manager's library. The glass suite steers its answers and reads back
// what it was called with through the stub* functions, which it resolves like the real ones.
#include <cstdint>

#define STUB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct Margins
{
    std::int32_t leftWidth;
    std::int32_t rightWidth;
    std::int32_t topHeight;
    std::int32_t bottomHeight;
};

std::int32_t compositionResult = 0;
int compositionAnswer = 1; // negative: leave the caller's BOOL untouched
std::int32_t extendResult = 0;
int compositionCalls = 0;
int extendCalls = 0;
void *lastWindow = nullptr;
Margins lastMargins{0, 0, 0, 0};

} // namespace

STUB_EXPORT std::int32_t DwmIsCompositionEnabled(int *enabled)
{
    ++compositionCalls;
    if (enabled && compositionAnswer >= 0)
        *enabled = compositionAnswer;
    return compositionResult;
}

STUB_EXPORT std::int32_t DwmExtendFrameIntoClientArea(void *window, const Margins *margins)
{
    ++extendCalls;
    lastWindow = window;
    if (margins)
        lastMargins = *margins;
    return extendResult;
}

STUB_EXPORT void stubSetComposition(std::int32_t result, int enabled)
{
    compositionResult = result;
    compositionAnswer = enabled;
}

STUB_EXPORT void stubSetExtendResult(std::int32_t result)
{
    extendResult = result;
}

STUB_EXPORT int stubCompositionCalls()
{
    return compositionCalls;
}

STUB_EXPORT int stubExtendCalls()
{
    return extendCalls;
}

STUB_EXPORT void *stubLastWindow()
{
    return lastWindow;
}

// Fills four values in the order the structure holds them.
STUB_EXPORT void stubLastMargins(std::int32_t *out)
{
    out[0] = lastMargins.leftWidth;
    out[1] = lastMargins.rightWidth;
    out[2] = lastMargins.topHeight;
    out[3] = lastMargins.bottomHeight;
}
