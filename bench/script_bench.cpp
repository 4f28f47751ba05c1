// Reading, writing and checking scripts of 10 to 10,000 devices, side by side
// with a loop that only splits the same bytes into lines: the floor any reader
// stands on.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <string_view>

#include "check/conflict_checker.h"
#include "config/configuration.h"
#include "config/script_reader.h"
#include "config/script_writer.h"
#include "config/user_messages.h"
#include "script_generator.h"

namespace {

class SilentMessages : public UserMessages {
 public:
  void warning(const std::string&) override { ++count; }
  void stop(const std::string&) override { ++count; }
  bool askYesNo(const std::string&) override { return false; }
  int count = 0;
};

// Makes the script of state.range(0) devices and reads it once outside the
// timing, making sure the generator and the reader still agree: a message or
// a lost device would measure the wrong thing.
bool prepare(benchmark::State& state, std::string& script, Configuration& config) {
  script = GenerateScript(static_cast<int>(state.range(0)));
  SilentMessages messages;
  ReadScriptBytes(config, script, messages);
  if (messages.count != 0 || config.DeviceCount() != static_cast<std::size_t>(state.range(0))) {
    state.SkipWithError("the generated script did not read cleanly (are MSCP and DL11 there?)");
    return false;
  }
  return true;
}

void setSizes(benchmark::State& state, const std::string& script) {
  state.SetComplexityN(state.range(0));
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(script.size()));
}

// The split with the C library's vectorised memchr, many bytes at a time.
void BM_SplitLines(benchmark::State& state) {
  const std::string script = GenerateScript(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    std::string_view rest = script;
    while (!rest.empty()) {
      const void* found = std::memchr(rest.data(), '\n', rest.size());
      const std::size_t end = found ? static_cast<const char*>(found) - rest.data() : rest.size();
      std::string_view line = rest.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
      benchmark::DoNotOptimize(line);
      rest.remove_prefix(found ? end + 1 : end);
    }
  }
  setSizes(state, script);
}

// The same split a byte at a time, as a reader that looks at every byte must.
void BM_SplitLinesByteLoop(benchmark::State& state) {
  const std::string script = GenerateScript(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    const char* data = script.data();
    const std::size_t size = script.size();
    std::size_t start = 0;
    for (std::size_t i = 0; i < size; ++i) {
      if (data[i] != '\n') continue;
      std::size_t end = i;
      if (end > start && data[end - 1] == '\r') --end;
      std::string_view line(data + start, end - start);
      benchmark::DoNotOptimize(line);
      start = i + 1;
    }
    std::string_view last(data + start, size - start);
    benchmark::DoNotOptimize(last);
  }
  setSizes(state, script);
}

// As the editor reads: into a new configuration, with the report of lines a
// save would not keep.
void readEachIteration(benchmark::State& state, const std::string& script) {
  SilentMessages messages;
  for (auto _ : state) {
    Configuration config;
    ReadReport report;
    benchmark::DoNotOptimize(ReadScriptBytes(config, script, messages, &report));
  }
  setSizes(state, script);
}

void BM_ReadScriptBytes(benchmark::State& state) {
  std::string script;
  {
    Configuration probe;
    if (!prepare(state, script, probe)) return;
  }
  readEachIteration(state, script);
}

// The same script without the devices' `set` lines: what the loads, the
// comments and the handing of lines to statements cost before any pair is
// read. It shows how much of reading the pairs leave to the rest.
void BM_ReadScriptWithoutSetLines(benchmark::State& state) {
  const std::string full = GenerateScript(static_cast<int>(state.range(0)));
  std::string script;
  for (std::size_t start = 0; start < full.size();) {
    const std::size_t end = std::min(full.find('\n', start), full.size() - 1) + 1;
    const std::string_view line(full.data() + start, end - start);
    if (line.rfind("set ", 0) != 0 || line.rfind("set cpu ", 0) == 0) script += line;
    start = end;
  }
  readEachIteration(state, script);
}

void BM_FormatScript(benchmark::State& state) {
  std::string script;
  Configuration config;
  if (!prepare(state, script, config)) return;
  for (auto _ : state) benchmark::DoNotOptimize(FormatScript(config));
  setSizes(state, script);
}

// What the document does after reading a file: entries made from every device,
// then one recompute.
void BM_CheckerBuild(benchmark::State& state) {
  std::string script;
  Configuration config;
  if (!prepare(state, script, config)) return;
  ConflictChecker checker;
  for (auto _ : state) checker.build(config);
  state.counters["conflicts"] = 0;
  for (const CheckEntry& entry : checker.entries()) state.counters["conflicts"] += entry.hasConflict ? 1 : 0;
  setSizes(state, script);
}

// One recompute alone, as after every add, delete, enable or disable.
void BM_CheckerRecompute(benchmark::State& state) {
  std::string script;
  Configuration config;
  if (!prepare(state, script, config)) return;
  ConflictChecker checker;
  checker.build(config);
  for (auto _ : state) checker.setSystemBus(config.system.bus);
  setSizes(state, script);
}

// Hostile files: one controller of 256 units, then lines of nothing but
// `model` pairs, each of which throws the units away, alone or each followed
// by a key of the last unit. A unit is built only when asked for, so a pair
// costs what any pair costs, not 256 new units.
void readModelPairs(benchmark::State& state, const std::string& pairs) {
  std::string script = "load MSCP DU\r\nset DU units=400\r\n";
  for (std::int64_t line = 0; line < state.range(0); ++line) script += "set DU" + pairs + "\r\n";
  readEachIteration(state, script);
}

void BM_ReadModelPairs(benchmark::State& state) {
  readModelPairs(state, " model=UDA50 model=RQDX3 model=UDA50 model=RQDX3");
}

void BM_ReadModelAndUnitPairs(benchmark::State& state) {
  readModelPairs(state, " model=UDA50 file[255]=a.dsk model=RQDX3 file[255]=b.dsk");
}

void sizes(benchmark::internal::Benchmark* bench) {
  for (int devices : {10, 100, 1000, 10000}) bench->Arg(devices);
  bench->Unit(benchmark::kMicrosecond);
}

// Reading and writing also run at twice 1,000 and twice 10,000 devices: what
// one doubling costs, read straight off the table.
void sizesWithDoublings(benchmark::internal::Benchmark* bench) {
  for (int devices : {10, 100, 1000, 2000, 10000, 20000}) bench->Arg(devices);
  bench->Unit(benchmark::kMicrosecond);
}

}  // namespace

BENCHMARK(BM_SplitLines)->Apply(sizesWithDoublings)->Complexity(benchmark::oN);
BENCHMARK(BM_SplitLinesByteLoop)->Apply(sizesWithDoublings)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadScriptBytes)->Apply(sizesWithDoublings)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadScriptWithoutSetLines)->Apply(sizes)->Complexity(benchmark::oN);
BENCHMARK(BM_FormatScript)->Apply(sizesWithDoublings)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadModelPairs)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
BENCHMARK(BM_ReadModelAndUnitPairs)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->Complexity(benchmark::oN);
BENCHMARK(BM_CheckerBuild)->Apply(sizes)->Complexity(benchmark::oNLogN);
BENCHMARK(BM_CheckerRecompute)->Apply(sizes)->Complexity(benchmark::oNLogN);

BENCHMARK_MAIN();
