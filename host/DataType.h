#pragma once
// The data type of one action: what its data holds (Code) and in which
// format (Format). Changing it changes the action.

#include <memory>

namespace host {

namespace detail {
struct ActionState;
}

class DataType {
public:
    explicit DataType(std::shared_ptr<detail::ActionState> action) : m_action(std::move(action)) {}

    int code() const;
    void setCode(int code) const;
    int format() const;
    void setFormat(int format) const;

private:
    std::shared_ptr<detail::ActionState> m_action;
};

}  // namespace host
