// Finding where a JSON Pointer's value starts in a text, for the positions of reading errors.
// Used only once reading has failed, so it re-reads the text with a counting iterator.
#include "model/GraphDataJsonFormat.h"
#include "model/JsonDoubles.h"

#include <iterator>
#include <vector>

namespace vantrel::json {

namespace {

// A char iterator that counts the characters the parser has taken.
struct CountingIterator {
    using iterator_category = std::input_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    const char* at = nullptr;
    std::size_t* taken = nullptr;

    reference operator*() const { return *at; }
    CountingIterator& operator++()
    {
        ++at;
        ++*taken;
        return *this;
    }
    CountingIterator operator++(int)
    {
        CountingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const CountingIterator& other) const { return at == other.at; }
};

bool NumberChar(char c)
{
    return (c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E';
}

std::string Escaped(const std::string& key)
{
    std::string out;
    for (char c : key) {
        if (c == '~')
            out += "~0";
        else if (c == '/')
            out += "~1";
        else
            out += c;
    }
    return out;
}

enum class Token { Open, Number, String, Literal };

class Locator : public nlohmann::json_sax<Json> {
public:
    Locator(std::string_view text, const std::string& target, const std::size_t& taken)
        : text_(text)
        , target_(target)
        , taken_(taken)
    {
    }

    std::size_t found = std::string_view::npos;

    bool null() override { return Scalar(Token::Literal, 4); }
    bool boolean(bool value) override { return Scalar(Token::Literal, value ? 4 : 5); }
    bool number_integer(number_integer_t) override { return Scalar(Token::Number, 0); }
    bool number_unsigned(number_unsigned_t) override { return Scalar(Token::Number, 0); }
    bool number_float(number_float_t, const string_t&) override { return Scalar(Token::Number, 0); }
    bool string(string_t&) override { return Scalar(Token::String, 0); }
    bool binary(binary_t&) override { return Scalar(Token::Literal, 0); }
    bool start_object(std::size_t) override { return Open(false); }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(true); }
    bool end_array() override { return Close(); }
    bool key(string_t& name) override
    {
        frames_.back().key = name;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override
    {
        return false;
    }

private:
    struct Frame {
        bool array = false;
        std::size_t index = 0;
        std::string key;
    };

    std::string Pointer() const
    {
        std::string pointer;
        for (const Frame& frame : frames_)
            pointer += "/" + (frame.array ? std::to_string(frame.index) : Escaped(frame.key));
        return pointer;
    }

    bool Here(std::size_t start)
    {
        if (Pointer() == target_) {
            found = start;
            return false; // stops the parser: the place is known
        }
        return true;
    }

    void Done()
    {
        if (!frames_.empty() && frames_.back().array)
            ++frames_.back().index;
    }

    bool Open(bool array)
    {
        if (!Here(taken_ - 1))
            return false;
        frames_.push_back(Frame { array, 0, {} });
        return true;
    }

    bool Close()
    {
        frames_.pop_back();
        Done();
        return true;
    }

    bool Scalar(Token token, std::size_t length)
    {
        std::size_t end = std::min(taken_, text_.size());
        std::size_t start = end;
        if (token == Token::Number) {
            if (end > 0 && !NumberChar(text_[end - 1]))
                --end; // the parser looked one character past the number
            start = end;
            while (start > 0 && NumberChar(text_[start - 1]))
                --start;
        } else if (token == Token::String) {
            start = end >= 2 ? end - 2 : 0;
            while (start > 0) {
                if (text_[start] == '"') {
                    std::size_t slashes = 0;
                    while (start > slashes && text_[start - 1 - slashes] == '\\')
                        ++slashes;
                    if (slashes % 2 == 0)
                        break;
                }
                --start;
            }
        } else {
            start = end >= length ? end - length : 0;
        }
        if (!Here(start))
            return false;
        Done();
        return true;
    }

    std::string_view text_;
    const std::string& target_;
    const std::size_t& taken_;
    std::vector<Frame> frames_;
};

} // namespace

TextPosition PositionOf(std::string_view text, std::size_t offset)
{
    TextPosition position;
    std::size_t lineStart = 0;
    offset = std::min(offset, text.size());
    for (std::size_t i = 0; i < offset; ++i) {
        if (text[i] == '\n') {
            ++position.line;
            lineStart = i + 1;
        }
    }
    position.column = offset - lineStart + 1;
    return position;
}

std::size_t LocatePointer(std::string_view text, const std::string& pointer)
{
    std::size_t taken = 0;
    Locator locator(text, pointer, taken);
    CountingIterator first { text.data(), &taken };
    CountingIterator last { text.data() + text.size(), &taken };
    Json::sax_parse(first, last, &locator);
    return locator.found == std::string_view::npos ? text.size() : locator.found;
}

} // namespace vantrel::json
