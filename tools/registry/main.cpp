// brisance-reg: reads and changes this machine's registry from the command line,
// for people and for scripted tests.

#include "platform/registry/Key.h"
#include "tools/registry/ValueText.h"

#include <array>
#include <iostream>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace platform::registry;
using brisance::reg::textOfValue;
using brisance::reg::valueFromText;

constexpr int kSuccess = 0;
constexpr int kRefused = 1;
constexpr int kWrongUse = 2;
constexpr int kUnusableRegistry = 3;

constexpr std::string_view kUsage = R"(Usage: brisance-reg <command> <key> [arguments]

Reads and changes the registry of the machine root named by BRISANCE_MACHINE_ROOT.
A key is written with its root: HKEY_LOCAL_MACHINE\SOFTWARE\Pelmworks, or
HKLM\..., HKCU\..., HKCR\... Names ignore case. The value name "" is the key's
default value.

Commands:
  list <key>                      subkeys (ending in "\"), then values as
                                  name, type and data separated by tabs
  get <key> <value>               the value's data (REG_MULTI_SZ: one text a line)
  set <key> <value> <type> [data...]
                                  sets the value, creating the key when missing:
                                  REG_SZ <text>, REG_EXPAND_SZ <text>,
                                  REG_DWORD <number, decimal or 0x hexadecimal>,
                                  REG_BINARY [hexadecimal bytes, e.g. 00ff10],
                                  REG_MULTI_SZ [text...]
  create <key>                    creates the key and any missing parents
  delete <key>                    deletes the key with all its subkeys and values
  delete-value <key> <value>      deletes one value
  exists <key>                    exit status 0 when the key exists, 1 when not

Exit status: 0 done, 1 not found or refused, 2 wrong use, 3 unusable registry file.
)";

struct Target {
    Root root;
    std::string path;
    std::string text;
};

std::optional<Target> targetFrom(const std::string& text)
{
    const std::size_t split = text.find('\\');
    const auto root = rootFromName(std::string_view(text).substr(0, split));
    if (!root)
        return std::nullopt;
    return Target{*root, split == std::string::npos ? std::string() : text.substr(split + 1), text};
}

int refused(const Target& target, Result result)
{
    std::cerr << "brisance-reg: " << target.text << ": " << describe(result) << '\n';
    return kRefused;
}

int wrongUse(std::string_view message)
{
    std::cerr << "brisance-reg: " << message << "\nTry 'brisance-reg --help'.\n";
    return kWrongUse;
}

std::string joined(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\\0") + line;
    return text;
}

int list(const Target& target, std::span<const std::string>)
{
    Key key;
    if (const Result opened = openKey(target.root, target.path, Access::Read, key); opened != Result::Success)
        return refused(target, opened);
    std::string name;
    for (std::uint32_t index = 0; key.enumKey(index, name) == Result::Success; ++index)
        std::cout << name << "\\\n";
    for (std::uint32_t index = 0; key.enumValue(index, name) == Result::Success; ++index) {
        Value value;
        if (key.queryValue(name, value) == Result::Success)
            std::cout << name << '\t' << typeName(value.type) << '\t' << joined(textOfValue(value)) << '\n';
    }
    return kSuccess;
}

int get(const Target& target, std::span<const std::string> arguments)
{
    Key key;
    Value value;
    Result result = openKey(target.root, target.path, Access::Read, key);
    if (result == Result::Success)
        result = key.queryValue(arguments[0], value);
    if (result != Result::Success)
        return refused(target, result);
    for (const std::string& line : textOfValue(value))
        std::cout << line << '\n';
    return kSuccess;
}

int set(const Target& target, std::span<const std::string> arguments)
{
    const auto type = typeFromName(arguments[1]);
    if (!type)
        return wrongUse("unknown type " + arguments[1]);
    const auto value = valueFromText(*type, arguments.subspan(2));
    if (!value)
        return wrongUse("the data does not fit " + arguments[1]);
    Key key;
    Result result = createKey(target.root, target.path, Access::Write, key);
    if (result == Result::Success)
        result = key.setValue(arguments[0], *value);
    return result == Result::Success ? kSuccess : refused(target, result);
}

int create(const Target& target, std::span<const std::string>)
{
    Key key;
    const Result result = createKey(target.root, target.path, Access::Write, key);
    return result == Result::Success ? kSuccess : refused(target, result);
}

int remove(const Target& target, std::span<const std::string>)
{
    const Result result = deleteKey(target.root, target.path);
    return result == Result::Success ? kSuccess : refused(target, result);
}

int removeValue(const Target& target, std::span<const std::string> arguments)
{
    Key key;
    Result result = openKey(target.root, target.path, Access::Write, key);
    if (result == Result::Success)
        result = key.deleteValue(arguments[0]);
    return result == Result::Success ? kSuccess : refused(target, result);
}

int exists(const Target& target, std::span<const std::string>)
{
    return keyExists(target.root, target.path) ? kSuccess : kRefused;
}

struct Command {
    std::string_view name;
    std::size_t fewestArguments;  // after the key
    std::size_t mostArguments;
    int (*run)(const Target&, std::span<const std::string>);
};

constexpr std::size_t kAny = static_cast<std::size_t>(-1);

constexpr std::array<Command, 7> kCommands{{
    {"list", 0, 0, list},
    {"get", 1, 1, get},
    {"set", 2, kAny, set},
    {"create", 0, 0, create},
    {"delete", 0, 0, remove},
    {"delete-value", 1, 1, removeValue},
    {"exists", 0, 0, exists},
}};

int run(const std::vector<std::string>& arguments)
{
    if (!arguments.empty() && (arguments[0] == "--help" || arguments[0] == "-h")) {
        std::cout << kUsage;
        return kSuccess;
    }
    if (arguments.size() < 2)
        return wrongUse("a command and a key are needed");
    const Command* command = nullptr;
    for (const Command& each : kCommands) {
        if (each.name == arguments[0])
            command = &each;
    }
    if (!command)
        return wrongUse("unknown command " + arguments[0]);
    const auto target = targetFrom(arguments[1]);
    if (!target)
        return wrongUse("a key starts with its root (HKEY_LOCAL_MACHINE, HKLM, ...): " + arguments[1]);
    const auto rest = std::span(arguments).subspan(2);
    if (rest.size() < command->fewestArguments || rest.size() > command->mostArguments)
        return wrongUse("wrong number of arguments for " + arguments[0]);
    try {
        return command->run(*target, rest);
    } catch (const RegistryError& error) {
        std::cerr << "brisance-reg: " << error.what() << '\n';
        return kUnusableRegistry;
    }
}

}  // namespace

int main(int argc, char** argv)
{
    return run(std::vector<std::string>(argv + 1, argv + argc));
}
