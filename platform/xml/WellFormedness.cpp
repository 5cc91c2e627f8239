#include "platform/xml/WellFormedness.h"

#include "platform/support/Utf8.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace zkaux::xml {
namespace {

constexpr auto npos = std::string_view::npos;

// What the SAX callbacks learn; the parser stops at the first fault.
struct Scan {
    xmlParserCtxtPtr context = nullptr;
    std::size_t maxDepth = 0;
    // The elements still open, with the line each started on.
    std::vector<std::pair<std::string, std::size_t>> open;
    std::optional<XmlFault> fault;

    void stop(std::string what)
    {
        if (!fault)
            fault = XmlFault{static_cast<std::size_t>(std::max(1, xmlSAX2GetLineNumber(context))), std::move(what)};
        xmlStopParser(context);
    }
};

Scan& scanOf(void* user)
{
    return *static_cast<Scan*>(static_cast<xmlParserCtxtPtr>(user)->_private);
}

void onStart(void* user, const xmlChar* name, const xmlChar*, const xmlChar*, int, const xmlChar**, int, int,
             const xmlChar**)
{
    Scan& scan = scanOf(user);
    if (scan.open.size() == scan.maxDepth) {
        scan.stop("elements nest deeper than " + std::to_string(scan.maxDepth) + " levels");
        return;
    }
    scan.open.emplace_back(reinterpret_cast<const char*>(name),
                           static_cast<std::size_t>(std::max(1, xmlSAX2GetLineNumber(scan.context))));
}

void onEnd(void* user, const xmlChar*, const xmlChar*, const xmlChar*)
{
    Scan& scan = scanOf(user);
    if (!scan.open.empty())
        scan.open.pop_back();
}

void onDocumentType(void* user, const xmlChar*, const xmlChar*, const xmlChar*)
{
    scanOf(user).stop("a document type declaration is not allowed");
}

void onError(void* user, xmlErrorPtr error)
{
    if (!error || error->level < XML_ERR_ERROR)
        return;
    Scan& scan = scanOf(user);
    if (scan.fault)
        return;
    std::string what = error->message ? error->message : "not well-formed";
    while (!what.empty() && (what.back() == '\n' || what.back() == ' '))
        what.pop_back();
    scan.fault = XmlFault{static_cast<std::size_t>(std::max(1, error->line)), std::move(what)};
}

std::size_t lineAt(std::string_view text, std::size_t offset)
{
    return 1 + static_cast<std::size_t>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

} // namespace

std::optional<XmlFault> FindXmlFault(std::string_view text, std::size_t maxDepth)
{
    // Our files are UTF-8 whatever their declaration says; the parser would otherwise
    // convert from a declared encoding that RapidXML then does not know about.
    if (const std::size_t bad = Vireo::Support::FindInvalidUtf8(text); bad != std::string_view::npos)
        return XmlFault{lineAt(text, bad), "the text is not UTF-8 (byte " + std::to_string(bad + 1) + ")"};

    if (text.find_first_not_of(" \t\r\n") == npos)
        return XmlFault{1, "the text is empty"};

    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = onStart;
    handler.endElementNs = onEnd;
    handler.internalSubset = onDocumentType;
    handler.serror = onError;
    Scan scan;
    scan.maxDepth = maxDepth;
    xmlParserCtxtPtr context = xmlCreatePushParserCtxt(&handler, nullptr, nullptr, 0, nullptr);
    if (!context)
        return XmlFault{1, "out of memory"};
    scan.context = context;
    context->_private = &scan;
    // Values of many megabytes are ours to read; the parser's default bound on one text
    // node is for documents from elsewhere.
    xmlCtxtUseOptions(context, XML_PARSE_NONET | XML_PARSE_HUGE | XML_PARSE_IGNORE_ENC | XML_PARSE_NOWARNING);
    std::size_t at = 0;
    constexpr std::size_t chunk = 1 << 20;
    do {
        const std::size_t size = std::min(chunk, text.size() - at);
        const bool last = at + size == text.size();
        xmlParseChunk(context, text.data() + at, static_cast<int>(size), last ? 1 : 0);
        at += size;
    } while (at < text.size() && !scan.fault && context->disableSAX == 0);
    // The parser calls a text that stops inside an element "extra content"; say what it is.
    if (scan.fault && !scan.open.empty() && at == text.size() &&
        scan.fault->what.find("Extra content") != std::string::npos)
        scan.fault->what = "the text ends before <" + scan.open.back().first + "> of line " +
                           std::to_string(scan.open.back().second) + " is closed";
    if (!scan.fault && !context->wellFormed)
        scan.fault = XmlFault{static_cast<std::size_t>(std::max(1, xmlSAX2GetLineNumber(context))), "not well-formed"};
    xmlFreeParserCtxt(context);
    return scan.fault;
}

} // namespace zkaux::xml
