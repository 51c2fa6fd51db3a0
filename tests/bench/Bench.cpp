// quorva-bench: how fast the engine is on a typed expression, on megabytes of expression, and
// on a million nested brackets. After the table it prints the figures against their targets.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <string>

#include "engine/FormatAnswer.h"
#include "engine/NumberText.h"
#include "engine/RuntimeError.h"
#include "engine/mainProc.h"

namespace {

constexpr size_t kMegabyte = size_t{1} << 20;
constexpr size_t kNestingDepth = 1'000'000;

// "2*3+1+" repeated, closed by "1": about `length` characters, all additions and
// multiplications, with a value (7 per piece, plus 1) that stays exact.
struct SizedExpression {
  std::u16string Text;
  double Value;
};

SizedExpression MakeSizedExpression(size_t length) {
  static constexpr std::u16string_view kPiece = u"2*3+1+";
  SizedExpression e{{}, 1};
  e.Text.reserve(length + kPiece.size());
  while (e.Text.size() + kPiece.size() < length) {
    e.Text += kPiece;
    e.Value += 7;
  }
  e.Text += u'1';
  return e;
}

// Runs the expression once untimed and checks its value, so that a fast wrong answer is not
// reported as a figure. Returns false after marking the benchmark as failed.
bool CheckedOnce(benchmark::State& state, std::u16string text, double expected) {
  try {
    const std::u16string result = quorva::Calculate(text);
    if (!quorva::IsNumeric(result) || quorva::TextToNumber(result) != expected) {
      state.SkipWithError("wrong result");
      return false;
    }
  } catch (const quorva::RuntimeError& e) {
    static std::string message;
    message = "run-time error " + std::to_string(e.Number);
    state.SkipWithError(message.c_str());
    return false;
  }
  return true;
}

void Evaluate(benchmark::State& state, std::u16string text, double expected) {
  if (!CheckedOnce(state, text, expected)) return;
  for (auto _ : state) {
    benchmark::DoNotOptimize(quorva::Calculate(text));
  }
  state.counters["chars"] = static_cast<double>(text.size());
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * text.size()));  // characters
}

void ShortExpression(benchmark::State& state) { Evaluate(state, u"(1+2)*3-4/5", 8.2); }

void LargeExpression(benchmark::State& state) {
  const SizedExpression e = MakeSizedExpression(static_cast<size_t>(state.range(0)) * kMegabyte);
  Evaluate(state, e.Text, e.Value);
}

void NestedBrackets(benchmark::State& state) {
  std::u16string text(kNestingDepth, u'(');
  text += u"1+1";
  text.append(kNestingDepth, u')');
  Evaluate(state, text, 2);
}

void FormatAnswer(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(quorva::FormatAnswer(u"-1234567.891", u"2", true, true));
  }
}

// The console table as usual, plus each benchmark's seconds per iteration for the summary.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  explicit RecordingReporter(OutputOptions options) : ConsoleReporter(options) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) {
        failed_ = true;
        continue;
      }
      const bool usable = run.run_type == Run::RT_Iteration || run.aggregate_name == "median";
      if (usable) {
        seconds_[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] =
            run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const double* Seconds(const std::string& name) const {
    auto it = seconds_.find(name);
    return it == seconds_.end() ? nullptr : &it->second;
  }
  bool Failed() const { return failed_; }

 private:
  std::map<std::string, double> seconds_;
  bool failed_ = false;
};

void PrintSummary(const RecordingReporter& reporter) {
  auto verdict = [](bool ok) { return ok ? "ok" : "OVER TARGET"; };
  std::printf("\n");
  if (auto s = reporter.Seconds("calculate_short")) {
    std::printf("short expression:        %10.3f us   (target < 2 us)    %s\n", *s * 1e6, verdict(*s < 2e-6));
  }
  const double* one = reporter.Seconds("calculate_MB/1");
  const double* four = reporter.Seconds("calculate_MB/4");
  if (one) std::printf("1 MB expression:         %10.3f ms   (target < 50 ms)   %s\n", *one * 1e3, verdict(*one < 50e-3));
  if (four) std::printf("4 MB expression:         %10.3f ms\n", *four * 1e3);
  if (one && four) {
    std::printf("ratio 4 MB / 1 MB:       %10.2f      (target < 4.5)     %s\n", *four / *one, verdict(*four / *one < 4.5));
  }
  if (auto s = reporter.Seconds("nested_brackets_1M")) {
    std::printf("1,000,000 nested brackets: %8.3f ms   completed\n", *s * 1e3);
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("calculate_short", ShortExpression);
  benchmark::RegisterBenchmark("calculate_MB", LargeExpression)->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)
      ->MinTime(1.0);  // a few iterations even of the 4 MB case, for a steadier ratio
  benchmark::RegisterBenchmark("nested_brackets_1M", NestedBrackets)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("format_answer", FormatAnswer);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RecordingReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                                   : benchmark::ConsoleReporter::OO_None);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintSummary(reporter);
  return reporter.Failed() ? 1 : 0;
}
