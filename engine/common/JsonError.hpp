#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace orv {

// A bad value in a JSON document, with where it sits: "[2].iconTexture: <message>", and once the
// reader of a file has seen it, "data/items/food.json: [2].iconTexture: <message>".
class JsonError : public std::runtime_error {
public:
    explicit JsonError(std::string message) : JsonError("", "", std::move(message)) {}
    JsonError(std::string path, std::string message) : JsonError("", std::move(path), std::move(message)) {}
    JsonError(std::string file, std::string path, std::string message)
        : std::runtime_error(compose(file, path, message)), file(std::move(file)), path(std::move(path)),
          message(std::move(message)) {}

    const std::string& getFile() const { return file; }
    const std::string& getPath() const { return path; }
    const std::string& getMessage() const { return message; }

    // The same error one level further out: under an object's key or an array's index.
    JsonError underKey(std::string_view key) const { return {file, join(key), message}; }
    JsonError underIndex(std::size_t index) const {
        // Built by appending: GCC 12 warns falsely (-Wrestrict) on "literal" + std::string&&.
        std::string step(1, '[');
        step += std::to_string(index);
        step += ']';
        return {file, join(step), message};
    }
    JsonError inFile(std::string name) const { return {std::move(name), path, message}; }

private:
    std::string join(std::string_view outer) const {
        std::string joined(outer);
        if (!path.empty()) {
            if (path.front() != '[')
                joined += '.';
            joined += path;
        }
        return joined;
    }

    static std::string compose(const std::string& file, const std::string& path, const std::string& message) {
        std::string text;
        if (!file.empty())
            text += file + ": ";
        if (!path.empty())
            text += path + ": ";
        return text + message;
    }

    std::string file;
    std::string path;
    std::string message;
};

} // namespace orv
