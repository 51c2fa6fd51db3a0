// quorva-bench: how fast the engine is on a typed expression, on megabytes of expression, and
// on a million nested brackets. After the table it prints the figures against their targets.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>

#include "engine/FormatAnswer.h"
#include "engine/InPlace.h"
#include "engine/NumberText.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"

namespace quorva {
std::u16string Digits(size_t n) {
  const std::string digits = std::to_string(n);
  return std::u16string(digits.begin(), digits.end());
}
}  // namespace quorva

namespace {

constexpr size_t kMegabyte = size_t{1} << 20;
constexpr size_t kNestingDepth = 1'000'000;

// A piece repeated to about `length` characters, closed by "1". Each piece adds a known number of
// tenths to the value, which stays exact: every intermediate value has at most one decimal.
struct Mix {
  std::u16string_view Piece;
  long long TenthsPerPiece;
};
// Small integers, additions and multiplications only.
constexpr Mix kIntegerMix{u"2*3+1+", 70};
// What users type: decimals and all four operators. 1.5 + 6 - 0.8 = 6.7 per piece.
constexpr Mix kDecimalMix{u"1.5+2*3-4/5+", 67};

struct SizedExpression {
  std::u16string Text;
  double Value;
};

SizedExpression MakeSizedExpression(const Mix& mix, size_t length) {
  SizedExpression e{{}, 0};
  long long tenths = 10;
  e.Text.reserve(length + mix.Piece.size());
  while (e.Text.size() + mix.Piece.size() < length) {
    e.Text += mix.Piece;
    tenths += mix.TenthsPerPiece;
  }
  e.Text += u'1';
  e.Value = static_cast<double>(tenths) / 10;
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
  state.counters["operators"] = static_cast<double>(
      std::count_if(text.begin(), text.end(), [](char16_t c) { return std::u16string_view(u"+-*/^").find(c) != std::u16string_view::npos; }));
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * text.size()));  // characters
}

void ShortExpression(benchmark::State& state) { Evaluate(state, u"(1+2)*3-4/5", 8.2); }

void LargeExpression(benchmark::State& state, const Mix& mix) {
  const SizedExpression e = MakeSizedExpression(mix, static_cast<size_t>(state.range(0)) * kMegabyte);
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

// A year of 家計簿: dated amounts and calculations, a subtotal every week and a total every month,
// `lines` lines in all.
std::u16string HouseholdYear(size_t lines) {
  static const char16_t* kItems[] = {u"食費 1,280円", u"ランチ 850円×2 =", u"日用品 \u00A5398", u"交通費 220円×2 =",
                                     u"外食 3,400円", u"コーヒー 450円", u"本 1,540円"};
  constexpr size_t kLinesPerWeek = 25, kWeeksPerMonth = 4;
  std::u16string memo;
  for (size_t n = 1; n <= lines; ++n) {
    const size_t day = n / 9 % 28 + 1, month = n / (kLinesPerWeek * kWeeksPerMonth) % 12 + 1;
    if (n % (kLinesPerWeek * kWeeksPerMonth) == 0) {
      memo += quorva::Digits(month) + u"月合計";
    } else if (n % kLinesPerWeek == 0) {
      memo += u"小計";
    } else {
      memo += quorva::Digits(month) + u"/" + quorva::Digits(day) + u" " + kItems[n % std::size(kItems)];
    }
    memo += u"\r\n";
  }
  return memo;
}

void MemoYear(benchmark::State& state) {
  const std::u16string memo = HouseholdYear(static_cast<size_t>(state.range(0)));
  const quorva::AnswerFormat format{u"0", true, false};
  const quorva::InPlaceResult once = quorva::WorkLines(memo, quorva::InPlaceMode::kAppend, format);
  if (once.Answered == 0 || !once.Report.empty()) state.SkipWithError("the memo was not worked");
  for (auto _ : state) {
    benchmark::DoNotOptimize(quorva::WorkLines(memo, quorva::InPlaceMode::kAppend, format));
  }
  state.counters["lines"] = static_cast<double>(state.range(0));
}

// Seconds per iteration: the benchmark thread's processor time (what Calculate alone costs, also
// on a shared machine) and the wall-clock time.
struct Timing {
  double cpu;
  double real;
};

// The console table as usual, plus each benchmark's timing for the summary.
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
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        timings_[run.run_name.function_name + (run.run_name.args.empty() ? "" : "/" + run.run_name.args)] = {
            run.GetAdjustedCPUTime() / unit, run.GetAdjustedRealTime() / unit};
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  const Timing* Find(const std::string& name) const {
    auto it = timings_.find(name);
    return it == timings_.end() ? nullptr : &it->second;
  }
  bool Failed() const { return failed_; }

 private:
  std::map<std::string, Timing> timings_;
  bool failed_ = false;
};

const char* Verdict(bool ok) { return ok ? "ok" : "OVER TARGET"; }

void PrintLine(const char* what, double value, const char* unit, double wall, const char* target, bool ok) {
  std::printf("%-26s %10.3f %-3s (wall %10.3f)   %-16s %s\n", what, value, unit, wall, target, Verdict(ok));
}

// One mix at 1 MB and 4 MB: time per megabyte and how it grows with the size.
void PrintSizes(const RecordingReporter& reporter, const std::string& mix, const std::string& name) {
  const Timing* one = reporter.Find(name + "/1");
  const Timing* four = reporter.Find(name + "/4");
  if (one) PrintLine((mix + " mix, 1 MB:").c_str(), one->cpu * 1e3, "ms", one->real * 1e3, "target < 50 ms", one->cpu < 50e-3);
  if (four) std::printf("%-26s %10.3f ms  (wall %10.3f)\n", (mix + " mix, 4 MB:").c_str(), four->cpu * 1e3, four->real * 1e3);
  if (one && four) {
    const double ratio = four->cpu / one->cpu;
    PrintLine((mix + " mix, 4 MB / 1 MB:").c_str(), ratio, "", four->real / one->real, "target < 4.5", ratio < 4.5);
  }
}

void PrintMemo(const RecordingReporter& reporter) {
  const Timing* ten = reporter.Find("memo_year_lines/10000");
  const Timing* forty = reporter.Find("memo_year_lines/40000");
  if (ten) PrintLine("memo, 10,000 lines:", ten->cpu * 1e3, "ms", ten->real * 1e3, "target < 50 ms", ten->cpu < 50e-3);
  if (ten && forty) {
    const double ratio = forty->cpu / ten->cpu;
    PrintLine("memo, 40,000 / 10,000:", ratio, "", forty->real / ten->real, "target < 4.5", ratio < 4.5);
  }
}

void PrintSummary(const RecordingReporter& reporter) {
  std::printf("\nProcessor time of the benchmark thread, wall-clock time in brackets (higher when other\n"
              "programs share the processor):\n");
  if (const Timing* t = reporter.Find("calculate_short")) {
    PrintLine("short expression:", t->cpu * 1e6, "us", t->real * 1e6, "target < 1 us", t->cpu < 1e-6);
  }
  PrintSizes(reporter, "integer", "calculate_MB");
  PrintSizes(reporter, "decimal", "calculate_decimal_MB");
  if (const Timing* t = reporter.Find("nested_brackets_1M")) {
    std::printf("%-26s %10.3f ms  (wall %10.3f)   completed\n", "1,000,000 nested brackets:", t->cpu * 1e3, t->real * 1e3);
  }
  PrintMemo(reporter);
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("calculate_short", ShortExpression);
  // A few iterations even of the 4 MB cases, for a steadier ratio.
  benchmark::RegisterBenchmark("calculate_MB", LargeExpression, kIntegerMix)
      ->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->MinTime(1.0);
  benchmark::RegisterBenchmark("calculate_decimal_MB", LargeExpression, kDecimalMix)
      ->Arg(1)->Arg(4)->Unit(benchmark::kMillisecond)->MinTime(1.0);
  benchmark::RegisterBenchmark("nested_brackets_1M", NestedBrackets)->Unit(benchmark::kMillisecond);
  benchmark::RegisterBenchmark("format_answer", FormatAnswer);
  benchmark::RegisterBenchmark("memo_year_lines", MemoYear)->Arg(10'000)->Arg(40'000)->Unit(benchmark::kMillisecond);

  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  RecordingReporter reporter(isatty(STDOUT_FILENO) ? benchmark::ConsoleReporter::OO_Color
                                                   : benchmark::ConsoleReporter::OO_None);
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  PrintSummary(reporter);
  return reporter.Failed() ? 1 : 0;
}
