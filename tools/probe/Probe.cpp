#include "tools/probe/Probe.h"

#include <exception>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

#include "engine/FormatAnswer.h"
#include "engine/InPlace.h"
#include "shared/MessageBox.h"
#include "engine/NumberLocale.h"
#include "shared/RuntimeError.h"
#include "engine/Calculate.h"
#include "common/text/Utf8.h"

namespace quorva::probe {
namespace {

// Ordered, so that every reply lists its fields in the documented order.
using Json = nlohmann::ordered_json;

struct Request {
  std::optional<std::u16string> Memo;  // the memo road: a selection for /now
  InPlaceMode Mode = InPlaceMode::kReplace;
  std::u16string Expr;
  std::u16string After;  // empty: the regional default
  bool Group = false;
  bool Wide = false;
  Rounding Round = Rounding::kHalf;
};

struct Reply {
  std::u16string Result, Text, Messages, Answer;
  int Error = 0;
};

std::string Dump(const Reply& reply) {
  Json json;
  json["result"] = Utf16ToUtf8(reply.Result);
  json["text"] = Utf16ToUtf8(reply.Text);
  json["messages"] = Utf16ToUtf8(reply.Messages);
  json["answer"] = Utf16ToUtf8(reply.Answer);
  json["error"] = reply.Error;
  // The replace handler is a second line of defence: the texts are valid UTF-8 already.
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Refusal(const std::string& reason, std::u16string text = {}) {
  Reply reply;
  reply.Text = std::move(text);
  reply.Messages = Utf8ToUtf16(reason);
  reply.Error = -1;
  return Dump(reply);
}

// The library's messages start with "[json.exception.parse_error.101] ", which helps nobody.
std::string WithoutExceptionTag(const char* what) {
  std::string message = what;
  if (message.starts_with('[')) {
    if (auto end = message.find("] "); end != std::string::npos) message.erase(0, end + 2);
  }
  return message;
}

// A check box is on only for the value 1, as in the window; true counts as 1.
std::optional<bool> ReadFlag(const Json& value) {
  if (value.is_boolean()) return value.get<bool>();
  if (value.is_number_integer()) return value.is_number_unsigned() ? value.get<uint64_t>() == 1 : value.get<int64_t>() == 1;
  return std::nullopt;
}

// Fills the request, or returns why the line is not one.
std::optional<std::string> ReadRequest(std::string_view line, Request& request) {
  Json json;
  try {
    json = Json::parse(line);
  } catch (const Json::parse_error& e) {
    return "not valid JSON: " + WithoutExceptionTag(e.what());
  }
  if (!json.is_object()) return "expected a JSON object, got " + std::string(json.type_name());
  bool haveExpr = false;
  for (const auto& [key, value] : json.items()) {
    if (key == "expr") {
      if (!value.is_string()) return "\"expr\" must be a string";
      request.Expr = Utf8ToUtf16(value.get_ref<const std::string&>());
      haveExpr = true;
    } else if (key == "memo") {
      if (!value.is_string()) return "\"memo\" must be a string";
      request.Memo = Utf8ToUtf16(value.get_ref<const std::string&>());
    } else if (key == "mode") {
      const std::string name = value.is_string() ? value.get<std::string>() : "";
      if (name == "replace") request.Mode = InPlaceMode::kReplace;
      else if (name == "append") request.Mode = InPlaceMode::kAppend;
      else return "\"mode\" must be \"replace\" or \"append\"";
    } else if (key == "after" || key == "places") {
      if (value.is_string()) {
        request.After = Utf8ToUtf16(value.get_ref<const std::string&>());
      } else if (value.is_number_integer()) {
        request.After = Utf8ToUtf16(value.dump());
      } else {
        return "\"after\" must be a string or an integer";
      }
    } else if (key == "group" || key == "wide") {
      auto flag = ReadFlag(value);
      if (!flag) return "\"" + key + "\" must be 0, 1 or a boolean";
      (key == "group" ? request.Group : request.Wide) = *flag;
    } else if (key == "round") {
      const std::string name = value.is_string() ? value.get<std::string>() : "";
      if (name == "half") request.Round = Rounding::kHalf;
      else if (name == "down") request.Round = Rounding::kDown;
      else if (name == "up") request.Round = Rounding::kUp;
      else return "\"round\" must be \"half\", \"down\" or \"up\"";
    } else {
      // A misspelt option would otherwise be silently ignored and give a wrong answer.
      return "unknown key \"" + key + "\"";
    }
  }
  if (request.Memo && haveExpr) return "\"memo\" and \"expr\" are two requests";
  if (!haveExpr && !request.Memo) return "missing \"expr\"";
  return std::nullopt;
}

// Collects every message box shown while it lives, and puts the previous handler back.
class MessageCapture {
 public:
  explicit MessageCapture(std::u16string& sink)
      : previous_(SetMessageBoxHandler([&sink](const MessageBoxRequest& box) {
          sink += box.Text;
          return kIdOk;
        })) {}
  ~MessageCapture() { SetMessageBoxHandler(std::move(previous_)); }
  MessageCapture(const MessageCapture&) = delete;
  MessageCapture& operator=(const MessageCapture&) = delete;

 private:
  MessageBoxHandler previous_;
};

// The memo road: the selection through the same work as /now, with no window.
std::string RunMemo(const Request& request) {
  const AnswerFormat format{request.After, request.Group, request.Wide, request.Round};
  std::u16string boxes;
  MessageCapture capture(boxes);
  const InPlaceResult work = WorkLines(*request.Memo, request.Mode, format, NumberLocale{});
  Json json;
  json["text"] = Utf16ToUtf8(work.Text);
  json["report"] = Utf16ToUtf8(work.Report);
  json["answered"] = work.Answered;
  json["messages"] = Utf16ToUtf8(boxes);
  return json.dump(-1, ' ', false, Json::error_handler_t::replace);
}

std::string Run(const Request& request) {
  if (request.Memo) return RunMemo(request);
  const NumberLocale locale;  // Japanese: ".", ",", 2 places
  Reply reply;
  reply.Text = request.Expr;
  try {
    MessageCapture capture(reply.Messages);
    reply.Result = Calculate(reply.Text, locale);
    reply.Answer = FormatAnswer(reply.Result, request.After, request.Group, request.Wide, locale, request.Round);
  } catch (const RuntimeError& e) {
    reply.Error = e.Number;
    reply.Answer.clear();
  }
  return Dump(reply);
}

}  // namespace

std::string ProbeLine(std::string_view line) {
  try {
    if (line.find_first_not_of(" \t\r") == std::string_view::npos) return Refusal("empty line");
    Request request;
    if (auto reason = ReadRequest(line, request)) return Refusal(*reason);
    try {
      return Run(request);
    } catch (const std::exception& e) {
      return Refusal(std::string("engine failure: ") + e.what(), request.Expr);
    }
  } catch (const std::exception& e) {
    return Refusal(std::string("probe failure: ") + e.what());
  }
}

}  // namespace quorva::probe
