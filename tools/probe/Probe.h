#pragma once
// One request of the engine probe: a JSON line in, a JSON line out.
#include <string>
#include <string_view>

namespace quorva::probe {

// Input: {"expr": "...", "after": "2", "group": 0, "wide": 0, "round": "half"}; all but expr
// optional; after is the decimal-places box text ("" = regional default), group and wide are 0/1
// or booleans, round is "half", "down" or "up" (/round).
// Output: {"result", "text", "messages", "answer", "error"}, without a line break.
// The memo road: {"memo": "...", "mode": "replace"|"append", "places": "0", "group", "wide",
// "round"} works the selection as /now does and answers {"text", "report", "answered", "messages"}
// (places "" or absent: none given). A malformed
// line gives error -1 with the reason in messages; it never throws.
std::string ProbeLine(std::string_view line);

}  // namespace quorva::probe
