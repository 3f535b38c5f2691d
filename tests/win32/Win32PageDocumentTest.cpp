// The document port over page objects reached by their script names, against stand-ins for
// the engine's document, elements, window and history (Wine's engine gives out no document).
#include "win32/view/Win32PageDocument.h"

#include <gtest/gtest.h>

#include "win32/FakeDom.h"
#include "win32/platform/Win32CodePage.h"

namespace lumbrel::win32 {
namespace {

using test::FakeDom;

class Win32PageDocumentTest : public ::testing::Test {
protected:
    Win32PageDocument Document(const CodePage& codePage) {
        return Win32PageDocument(ComPtr<IDispatch>(static_cast<IDispatch*>(&document_)), codePage);
    }
    Win32PageDocument Document() { return Document(latin_); }

    Win32CodePage latin_{1252};
    FakeDom document_;
};

TEST_F(Win32PageDocumentTest, ProtocolComesInTheAnsiCodePage) {
    EXPECT_EQ(Document().Protocol(), "") << "a document that does not say";
    document_.properties[L"protocol"] = L"HyperText Transfer Protocol with Privacy";
    EXPECT_EQ(Document().Protocol(), "HyperText Transfer Protocol with Privacy");

    // The Chinese engine's text for a private page, as the GBK bytes the view compares.
    Win32CodePage gbk(936);
    document_.properties[L"protocol"] = L"\u79c1\u4eba\u9a8c\u8bc1";
    EXPECT_EQ(Document(gbk).Protocol(), "\xCB\xBD\xC8\xCB\xD1\xE9\xD6\xA4");
    document_.properties[L"protocol"] = 7;
    EXPECT_EQ(Document().Protocol(), "") << "not a text";
}

TEST_F(Win32PageDocumentTest, BodyScrollAndBackgroundAreWrittenOrRefused) {
    EXPECT_FALSE(Document().SetBodyScroll("yes")) << "no body property";
    document_.properties[L"body"] = static_cast<FakeDom*>(nullptr);
    EXPECT_FALSE(Document().SetBodyScroll("yes")) << "a document still without a body";

    FakeDom body;
    body.properties[L"scroll"] = L"no";
    document_.properties[L"body"] = &body;
    EXPECT_TRUE(Document().SetBodyScroll("yes"));
    EXPECT_EQ(body.TextOf(L"scroll"), L"yes");
    body.readOnly.push_back(L"scroll");
    EXPECT_FALSE(Document().SetBodyScroll("auto"));
    EXPECT_EQ(body.TextOf(L"scroll"), L"yes");

    body.properties[L"background"] = L"tile.gif";
    body.properties[L"bgColor"] = L"#ffffff";
    EXPECT_TRUE(Document().ForceBackground("#C0C0C0"));
    EXPECT_EQ(body.TextOf(L"background"), L"");
    EXPECT_EQ(body.TextOf(L"bgColor"), L"#C0C0C0");
    body.readOnly.push_back(L"bgColor");
    EXPECT_FALSE(Document().ForceBackground("#000000"));
    document_.properties.erase(L"body");
    EXPECT_FALSE(Document().ForceBackground("#C0C0C0")) << "no body";
}

TEST_F(Win32PageDocumentTest, FocusedElementKinds) {
    EXPECT_EQ(Document().FocusedElement(), FocusedElementKind::None);
    document_.properties[L"activeElement"] = static_cast<FakeDom*>(nullptr);
    EXPECT_EQ(Document().FocusedElement(), FocusedElementKind::None);

    FakeDom element;
    document_.properties[L"activeElement"] = &element;
    struct Case {
        const wchar_t* tag;
        const wchar_t* type;  // null: the element has no type
        FocusedElementKind expected;
    };
    const Case cases[] = {
        {L"TEXTAREA", nullptr, FocusedElementKind::TextArea},
        {L"textarea", nullptr, FocusedElementKind::TextArea},
        {L"INPUT", L"text", FocusedElementKind::TextInput},
        {L"INPUT", L"password", FocusedElementKind::TextInput},
        {L"input", L"search", FocusedElementKind::TextInput},
        {L"INPUT", L"", FocusedElementKind::TextInput},
        {L"INPUT", nullptr, FocusedElementKind::TextInput},
        {L"INPUT", L"checkbox", FocusedElementKind::Other},
        {L"INPUT", L"SUBMIT", FocusedElementKind::Other},
        {L"INPUT", L"image", FocusedElementKind::Other},
        {L"A", nullptr, FocusedElementKind::Other},
        {L"BODY", nullptr, FocusedElementKind::Other},
    };
    for (const Case& c : cases) {
        element.properties.clear();
        element.properties[L"tagName"] = c.tag;
        if (c.type)
            element.properties[L"type"] = c.type;
        EXPECT_EQ(Document().FocusedElement(), c.expected)
            << std::string(c.tag, c.tag + wcslen(c.tag)) << " type "
            << (c.type ? std::string(c.type, c.type + wcslen(c.type)) : "none");
    }
}

TEST_F(Win32PageDocumentTest, HistoryLengthOfThePagesWindow) {
    EXPECT_EQ(Document().HistoryLength(), std::nullopt) << "no window";
    FakeDom window;
    document_.properties[L"parentWindow"] = &window;
    EXPECT_EQ(Document().HistoryLength(), std::nullopt) << "no history";
    FakeDom history;
    window.properties[L"history"] = &history;
    EXPECT_EQ(Document().HistoryLength(), std::nullopt) << "no length";
    history.properties[L"length"] = 3;
    EXPECT_EQ(Document().HistoryLength(), 3);
    history.properties[L"length"] = 0;
    EXPECT_EQ(Document().HistoryLength(), 0);
    history.properties[L"length"] = -1;
    EXPECT_EQ(Document().HistoryLength(), std::nullopt) << "not a length";
    history.properties[L"length"] = L"3";
    EXPECT_EQ(Document().HistoryLength(), std::nullopt) << "not a number";
}

TEST_F(Win32PageDocumentTest, CommandsGoToTheDocumentWithoutAGroup) {
    EXPECT_FALSE(Document().ExecCommand(OLECMDID_PAGESETUP)) << "not a command target";
    document_.commandTarget = true;
    EXPECT_TRUE(Document().ExecCommand(OLECMDID_PAGESETUP));
    EXPECT_TRUE(Document().ExecCommand(OLECMDID_PROPERTIES));
    document_.commandResult = OLECMDERR_E_DISABLED;
    EXPECT_FALSE(Document().ExecCommand(OLECMDID_PAGESETUP));
    EXPECT_EQ(document_.commands,
              (std::vector<DWORD>{OLECMDID_PAGESETUP, OLECMDID_PROPERTIES, OLECMDID_PAGESETUP}));
}

// Scripts run through the page's window (execScript), in the page's code page; a script that
// fails or a document without a window is a refusal.
TEST_F(Win32PageDocumentTest, ScriptsRunThroughThePagesWindow) {
    EXPECT_FALSE(Document().ExecScript("x();", "JavaScript")) << "no window";
    FakeDom window;
    document_.properties[L"parentWindow"] = &window;
    EXPECT_FALSE(Document().ExecScript("x();", "JavaScript")) << "a window without execScript";

    std::vector<std::vector<std::wstring>> calls;
    HRESULT answer = S_OK;
    window.properties[L"execScript"] = FakeDom::Method([&](const std::vector<std::wstring>& args) {
        calls.push_back(args);
        return answer;
    });
    Win32CodePage gbk(936);
    EXPECT_TRUE(Document(gbk).ExecScript("t='\xCB\xBD';", "JavaScript"));
    answer = DISP_E_EXCEPTION;
    EXPECT_FALSE(Document().ExecScript("broken(", "VBScript"));
    EXPECT_EQ(calls, (std::vector<std::vector<std::wstring>>{{L"t='\u79c1';", L"JavaScript"},
                                                             {L"broken(", L"VBScript"}}));
}

}  // namespace
}  // namespace lumbrel::win32
