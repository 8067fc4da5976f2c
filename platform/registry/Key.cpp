#include "platform/registry/Key.h"

#include "platform/registry/Store.h"
#include "platform/registry/ValueData.h"

#include <cstring>
#include <utility>

namespace platform::registry {

namespace {

constexpr std::size_t kMaxNameLength = 255;

// The names along a relative path; nothing when the path is malformed.
std::optional<Store::Names> splitPath(std::string_view path)
{
    Store::Names names;
    if (path.ends_with('\\'))
        path.remove_suffix(1);
    if (path.empty())
        return names;
    for (std::size_t begin = 0;;) {
        const std::size_t end = path.find('\\', begin);
        const std::string_view name = path.substr(begin, end - begin);
        if (name.empty() || name.size() > kMaxNameLength)
            return std::nullopt;
        names.push_back(name);
        if (end == std::string_view::npos)
            return names;
        begin = end + 1;
    }
}

bool isText(ValueType type)
{
    return type == ValueType::Sz || type == ValueType::ExpandSz;
}

}  // namespace

Key::Key() = default;
Key::~Key() = default;
Key::Key(Key&& other) noexcept = default;
Key& Key::operator=(Key&& other) noexcept = default;

Key::Key(std::shared_ptr<Store> store, std::int64_t id, Access access)
    : m_store(std::move(store))
    , m_id(id)
    , m_access(access)
{
}

bool Key::isOpen() const
{
    return m_store != nullptr;
}

void Key::close()
{
    m_store.reset();
}

Access Key::access() const
{
    return m_access;
}

Result Key::usable() const
{
    return m_store ? Result::Success : Result::InvalidParameter;
}

Result Key::writable() const
{
    if (!m_store)
        return Result::InvalidParameter;
    return m_access == Access::Write ? Result::Success : Result::AccessDenied;
}

Result Key::openKey(std::string_view path, Access access, Key& key) const
{
    if (const Result state = usable(); state != Result::Success)
        return state;
    const auto names = splitPath(path);
    if (!names)
        return Result::InvalidParameter;
    std::int64_t id = 0;
    if (const Result found = m_store->find(m_id, *names, id); found != Result::Success)
        return found;
    key = Key(m_store, id, access);
    return Result::Success;
}

Result Key::createKey(std::string_view path, Access access, Key& key) const
{
    if (const Result state = writable(); state != Result::Success)
        return state;
    const auto names = splitPath(path);
    if (!names)
        return Result::InvalidParameter;
    std::int64_t id = 0;
    if (const Result created = m_store->create(m_id, *names, id); created != Result::Success)
        return created;
    key = Key(m_store, id, access);
    return Result::Success;
}

Result Key::deleteKey(std::string_view path) const
{
    if (const Result state = writable(); state != Result::Success)
        return state;
    const auto names = splitPath(path);
    if (!names)
        return Result::InvalidParameter;
    if (names->empty())
        return Result::AccessDenied;
    return m_store->remove(m_id, *names);
}

Result Key::enumKey(std::uint32_t index, std::string& name) const
{
    if (const Result state = usable(); state != Result::Success)
        return state;
    return m_store->keyAt(m_id, index, name);
}

Result Key::enumValue(std::uint32_t index, std::string& name, ValueType* type) const
{
    if (const Result state = usable(); state != Result::Success)
        return state;
    ValueType found = ValueType::Binary;
    const Result result = m_store->valueAt(m_id, index, name, found);
    if (result == Result::Success && type)
        *type = found;
    return result;
}

Result Key::queryValue(std::string_view name, ValueType* type, void* data, std::uint32_t* size,
                       std::optional<ValueType> required) const
{
    if (data && !size)
        return Result::InvalidParameter;
    Value value;
    if (const Result found = queryValue(name, value); found != Result::Success)
        return found;
    if (type)
        *type = value.type;
    if (required && value.type != *required)
        return Result::WrongType;
    if (!size)
        return Result::Success;
    const auto needed = static_cast<std::uint32_t>(value.data.size());
    if (data && *size < needed) {
        *size = needed;
        return Result::MoreData;
    }
    if (data && needed > 0)
        std::memcpy(data, value.data.data(), needed);
    *size = needed;
    return Result::Success;
}

Result Key::queryValue(std::string_view name, Value& value) const
{
    if (const Result state = usable(); state != Result::Success)
        return state;
    return m_store->value(m_id, name, value);
}

Result Key::setValue(std::string_view name, ValueType type, const void* data, std::uint32_t size) const
{
    if (!data && size > 0)
        return Result::InvalidParameter;
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    return setValue(name, Value{type, bytes ? std::vector<std::uint8_t>(bytes, bytes + size)
                                            : std::vector<std::uint8_t>()});
}

Result Key::setValue(std::string_view name, const Value& value) const
{
    if (const Result state = writable(); state != Result::Success)
        return state;
    if (typeName(value.type).empty() || (value.type == ValueType::Dword && value.data.size() != 4))
        return Result::InvalidParameter;
    return m_store->setValue(m_id, name, value);
}

Result Key::deleteValue(std::string_view name) const
{
    if (const Result state = writable(); state != Result::Success)
        return state;
    return m_store->removeValue(m_id, name);
}

Result Key::getString(std::string_view name, std::string& text) const
{
    Value value;
    if (const Result found = queryValue(name, value); found != Result::Success)
        return found;
    if (!isText(value.type))
        return Result::WrongType;
    text = textFrom(value.data);
    return Result::Success;
}

Result Key::getDword(std::string_view name, std::uint32_t& number) const
{
    Value value;
    if (const Result found = queryValue(name, value); found != Result::Success)
        return found;
    const auto stored = value.type == ValueType::Dword ? dwordFrom(value.data) : std::nullopt;
    if (!stored)
        return Result::WrongType;
    number = *stored;
    return Result::Success;
}

Result Key::getBinary(std::string_view name, std::vector<std::uint8_t>& bytes) const
{
    Value value;
    if (const Result found = queryValue(name, value); found != Result::Success)
        return found;
    if (value.type != ValueType::Binary)
        return Result::WrongType;
    bytes = std::move(value.data);
    return Result::Success;
}

Result Key::getMultiString(std::string_view name, std::vector<std::string>& texts) const
{
    Value value;
    if (const Result found = queryValue(name, value); found != Result::Success)
        return found;
    if (value.type != ValueType::MultiSz)
        return Result::WrongType;
    texts = multiTextFrom(value.data);
    return Result::Success;
}

Result Key::setString(std::string_view name, std::string_view text, ValueType type) const
{
    if (!isText(type) || text.find('\0') != std::string_view::npos)
        return Result::InvalidParameter;
    return setValue(name, Value{type, textData(text)});
}

Result Key::setDword(std::string_view name, std::uint32_t number) const
{
    return setValue(name, Value{ValueType::Dword, dwordData(number)});
}

Result Key::setBinary(std::string_view name, std::span<const std::uint8_t> bytes) const
{
    return setValue(name, Value{ValueType::Binary, std::vector<std::uint8_t>(bytes.begin(), bytes.end())});
}

Result Key::setMultiString(std::string_view name, const std::vector<std::string>& texts) const
{
    auto data = multiTextData(texts);
    if (!data)
        return Result::InvalidParameter;
    return setValue(name, Value{ValueType::MultiSz, std::move(*data)});
}

Key rootKey(Root root)
{
    return Key(Store::current(), Store::rootId(root), Access::Write);
}

Result openKey(Root root, std::string_view path, Access access, Key& key)
{
    return rootKey(root).openKey(path, access, key);
}

Result createKey(Root root, std::string_view path, Access access, Key& key)
{
    return rootKey(root).createKey(path, access, key);
}

Result deleteKey(Root root, std::string_view path)
{
    return rootKey(root).deleteKey(path);
}

bool keyExists(Root root, std::string_view path)
{
    Key key;
    return openKey(root, path, Access::Read, key) == Result::Success;
}

}  // namespace platform::registry
