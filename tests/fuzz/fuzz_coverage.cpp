// Coverage for libFuzzer's engine from g++'s -fsanitize-coverage=trace-pc
// hooks: g++ calls __sanitizer_cov_trace_pc at the start of every basic block;
// each call counts the edge (previous block, this block) in a table of 8-bit
// counters that the engine watches as it watches clang's inline counters.
// Compiled without coverage hooks of its own (no recursion) and without
// sanitizers (it runs on every block).
#include <cstddef>
#include <cstdint>

extern "C" void __sanitizer_cov_8bit_counters_init(uint8_t* begin, uint8_t* end);

namespace {

constexpr size_t kCounters = size_t{1} << 18;
alignas(64) uint8_t g_counters[kCounters];
thread_local uintptr_t g_previous_block = 0;

struct CounterRegistration {
  CounterRegistration() { __sanitizer_cov_8bit_counters_init(g_counters, g_counters + kCounters); }
} g_registration;

}  // namespace

extern "C" __attribute__((no_sanitize_coverage, no_sanitize("address", "undefined"))) void
__sanitizer_cov_trace_pc() {
  const auto block = reinterpret_cast<uintptr_t>(__builtin_return_address(0));
  const uintptr_t mixed = block ^ (block >> 17);
  ++g_counters[(mixed ^ g_previous_block) & (kCounters - 1)];
  g_previous_block = mixed >> 1;
}
