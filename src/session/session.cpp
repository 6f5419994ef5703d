#include "session.h"

namespace vant {

Session::Session(UserPrompts &userPrompts, QString logPath)
    : prompts(userPrompts), errorLog(std::move(logPath), &userPrompts)
{}

} // namespace vant
