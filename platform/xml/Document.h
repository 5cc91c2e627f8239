#pragma once
// An XML document of the host: parses text or a file, builds elements and writes the
// document back out with a declaration, two-space indentation and escaped text.

#include "platform/xml/Node.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace zkaux::xml {

using XmlDocument = rapidxml::xml_document<char>;

class Document {
public:
    Document();
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // How deep elements may nest in a parsed text: the parser descends by recursion.
    static constexpr std::size_t MaxDepth = 256;

    // Replaces the contents with the parsed text. False when the parser refuses the text
    // (it checks that closing tags match), when elements nest deeper than MaxDepth, or when
    // there is no root element; GetError and GetErrorLine then tell why and where.
    bool LoadXml(std::string_view text);
    // As LoadXml with the contents of the file; an unreadable file also gives false (line 0).
    bool LoadFile(const std::filesystem::path& path);
    // As LoadXml for text of our own formats, after the full well-formedness check of
    // WellFormedness.h: a text that is not XML 1.0 in every point is refused with its line.
    bool LoadCheckedXml(std::string_view text);
    bool LoadCheckedFile(const std::filesystem::path& path);

    const std::string& GetError() const { return error_; }
    // Byte offset of the error in the text, and its 1-based line.
    std::size_t GetErrorOffset() const { return errorOffset_; }
    std::size_t GetErrorLine() const { return errorLine_; }

    // The root element, or an empty handle.
    Node GetRoot();
    // Makes an element with this name the root (replacing any other root) and returns it.
    Node SetRoot(std::string_view name);
    // A new element owned by this document, not attached anywhere.
    Node CreateElement(std::string_view name);

    // The 1-based line of the text on which a parsed element starts; 0 for elements
    // that were not parsed from text.
    std::size_t LineOf(const Node& node) const;

    std::string ToString();
    XmlDocument& GetXmlDocument() { return *document_; }

    // Copies text into the document's memory so that nodes may point at it.
    char* AllocateString(std::string_view text);

private:
    void clear();
    void failWith(std::string what, std::size_t offset, std::size_t line);
    bool readFile(const std::filesystem::path& path, std::string& text);

    std::unique_ptr<XmlDocument> document_;
    std::vector<char> buffer_;
    // Where each line of the parsed text starts: the parser writes into buffer_, so lines are
    // counted in the text as given, and kept this way rather than as a second copy of it.
    std::vector<std::size_t> lineStarts_;
    std::string error_;
    std::size_t errorOffset_ = 0;
    std::size_t errorLine_ = 0;
};

} // namespace zkaux::xml
