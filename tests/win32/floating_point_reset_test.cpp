// Start-up resets the floating-point unit with std::fesetenv(FE_DFL_ENV). On 32-bit x86 the
// arithmetic runs on the x87 unit, and MinGW-w64's default environment there is FNINIT's
// state: nearest rounding, 64-bit significand, every exception masked. So no FNINIT of its own
// is needed; this holds the toolchain to that. (Like FNINIT, it leaves the SSE unit's control
// register alone; the program's double arithmetic does not use that unit.)
#include <gtest/gtest.h>

#include <float.h>
#include <cfenv>
#include <cmath>

namespace {

// The x87 control word itself: _control87 mixes in the SSE unit's state.
unsigned int x87ControlWord() {
#ifdef _MSC_VER
  unsigned int x87 = 0;
  unsigned int sse = 0;
  __control87_2(0, 0, &x87, &sse);
  return x87;
#else
  unsigned short word = 0;
  __asm__ volatile("fnstcw %0" : "=m"(word));
  return word;
#endif
}

TEST(FloatingPointReset, TheDefaultEnvironmentIsTheStateOfFninit) {
  unsigned int ignored = 0;
  // Anything else: rounding up, 24-bit significand, division by zero unmasked.
  _controlfp_s(&ignored, _RC_UP | _PC_24, _MCW_RC | _MCW_PC);
  _controlfp_s(&ignored, _MCW_EM & ~_EM_ZERODIVIDE, _MCW_EM);

  std::fesetenv(FE_DFL_ENV);

#ifdef _MSC_VER
  const unsigned int control = x87ControlWord();
  EXPECT_EQ(control & _MCW_RC, static_cast<unsigned int>(_RC_NEAR));
  EXPECT_EQ(control & _MCW_PC, static_cast<unsigned int>(_PC_64));
  EXPECT_EQ(control & _MCW_EM, static_cast<unsigned int>(_MCW_EM));
#else
  // FNINIT's word: all six exceptions masked, 64-bit significand, rounding to nearest.
  EXPECT_EQ(x87ControlWord() & 0x0F3F, 0x033Fu);
#endif
  volatile double zero = 0.0;
  EXPECT_EQ(1.0 / zero, HUGE_VAL);
}

}  // namespace
