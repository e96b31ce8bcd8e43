#pragma once
// Time limits of the tests' waits. A wait ends as soon as its condition holds;
// its limit only stops a test that would otherwise hang. The checking builds
// run the same code several times slower, on a machine that may be busy with
// other work: every limit is multiplied by the factor that CMake applies to
// CTest's own limits in that build (TAVELL_TIMEOUT_SCALE: 1, 4 under
// AddressSanitizer, 8 under ThreadSanitizer).

#ifndef TAVELL_TIMEOUT_SCALE
#error "TAVELL_TIMEOUT_SCALE comes from the test targets' compile definitions"
#endif

constexpr int scaledTimeout(int milliseconds)
{
    return milliseconds * TAVELL_TIMEOUT_SCALE;
}
