#include "Controls.h"
#include "DialogTemplate.h"
#include "Dialog.h"
#include "Handles.h"

#include <gtest/gtest.h>
#include <vector>

namespace {
// An extended template (DLGTEMPLATEEX) as resource compilers write it: 180 x 70 units, font
// with weight and character set, one button with creation data.
std::vector<WORD> MakeExtendedTemplate() {
    std::vector<WORD> words;
    auto dword = [&](DWORD value) {
        words.push_back(LOWORD(value));
        words.push_back(HIWORD(value));
    };
    auto text = [&](const wchar_t* value) {
        for (; *value; ++value)
            words.push_back(static_cast<WORD>(*value));
        words.push_back(0);
    };
    words.push_back(1);      // version
    words.push_back(0xFFFF); // signature
    dword(0);                // help id
    dword(WS_EX_DLGMODALFRAME);
    dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_SETFONT | DS_MODALFRAME);
    words.push_back(1); // controls
    words.insert(words.end(), {0, 0, 180, 70});
    words.push_back(0); // menu
    words.push_back(0); // class
    text(L"Extended");
    words.insert(words.end(), {8, FW_NORMAL, 0x0100}); // points, weight, italic + charset
    text(L"MS Shell Dlg");
    if (words.size() % 2)
        words.push_back(0);
    dword(0); // help id
    dword(0);
    dword(WS_CHILD | WS_VISIBLE | WS_TABSTOP);
    words.insert(words.end(), {7, 7, 50, 14});
    dword(IDOK);
    words.insert(words.end(), {0xFFFF, 0x0080}); // BUTTON
    text(L"OK");
    words.push_back(2); // creation data: two bytes
    words.push_back(0xABCD);
    return words;
}

TEST(DialogTemplates, ReadBothLayouts) {
    CDialogTemplate classic(WS_POPUP | WS_CAPTION, RECT{0, 0, 120, 60}, "Classic");
    classic.AddControl("BUTTON", "OK", IDOK, WS_CHILD | WS_VISIBLE, RECT{5, 5, 55, 19});
    classic.AddControl("msctls_updown32", nullptr, 7, WS_CHILD, RECT{60, 5, 70, 19});
    std::vector<WORD> extended = MakeExtendedTemplate();
    struct Case {
        const char* name;
        const void* data;
        size_t size;
        SIZE extent;
    };
    const Case cases[] = {{"classic", classic.Get(), classic.GetSize(), {120, 60}},
                          {"extended", extended.data(), extended.size() * 2, {180, 70}}};
    for (const Case& c : cases) {
        EXPECT_EQ(vqtr::dlg::TemplateSize(c.data, c.size), c.size) << c.name;
        EXPECT_EQ(vqtr::dlg::TemplateSize(c.data, c.size - 2), 0u) << c.name << " cut short";
        SIZE extent{};
        ASSERT_TRUE(vqtr::dlg::TemplateExtent(c.data, extent));
        EXPECT_EQ(extent.cx, c.extent.cx) << c.name;
        EXPECT_EQ(extent.cy, c.extent.cy) << c.name;

        std::vector<BYTE> child = vqtr::dlg::MakeChildTemplate(c.data, c.size);
        ASSERT_EQ(child.size(), c.size) << c.name;
        DWORD style = vqtr::dlg::TemplateStyle(child.data());
        EXPECT_EQ(style & (WS_CHILD | DS_CONTROL), static_cast<DWORD>(WS_CHILD | DS_CONTROL));
        EXPECT_EQ(style & (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME), 0u) << c.name;
        EXPECT_TRUE(style & DS_SETFONT) << c.name;
    }
    EXPECT_TRUE(vqtr::dlg::HoldsOtherControlClass(classic.Get(), classic.GetSize()));
    EXPECT_FALSE(vqtr::dlg::HoldsOtherControlClass(extended.data(), extended.size() * 2));
    EXPECT_FALSE(vqtr::dlg::HoldsOtherControlClass(classic.Get(), classic.GetSize() - 2));
    EXPECT_EQ(vqtr::dlg::TemplateSize(nullptr), 0u);
    EXPECT_TRUE(vqtr::dlg::MakeChildTemplate(nullptr).empty());
}

TEST(DialogTemplates, ExtendedChildCopyMakesAChildDialog) {
    std::vector<WORD> extended = MakeExtendedTemplate();
    std::vector<BYTE> child = vqtr::dlg::MakeChildTemplate(extended.data(), extended.size() * 2);
    CDialogTemplate hostTemplate(WS_POPUP, RECT{0, 0, 200, 100});
    CDialog host;
    ASSERT_TRUE(host.CreateIndirect(hostTemplate.Get()));
    CDialog page;
    ASSERT_TRUE(page.CreateIndirect(reinterpret_cast<const DLGTEMPLATE*>(child.data()), &host));
    EXPECT_EQ(page.GetParent(), host.GetSafeHwnd());
    EXPECT_TRUE(page.GetStyle() & WS_CHILD);
    EXPECT_EQ(page.GetDlgItem(IDOK).GetWindowText(), "OK");
}

TEST(DialogTemplates, SystemClassesNamedByTheResourceCompilerAreNoCommonControls) {
    // The main window's and the printer choice's templates name "Button", "Static" and
    // "ListBox" as texts.
    CModule resources(::LoadLibraryA("vqtrqorr.dll"));
    ASSERT_TRUE(resources.IsValid());
    for (UINT id : {6000u, 6940u}) {
        size_t limit = 0;
        const void* dialogTemplate = vqtr::dlg::FindTemplateResource(resources, id, limit);
        ASSERT_NE(dialogTemplate, nullptr) << id;
        EXPECT_NE(vqtr::dlg::TemplateSize(dialogTemplate, limit), 0u) << id;
        EXPECT_FALSE(vqtr::dlg::HoldsOtherControlClass(dialogTemplate, limit)) << id;
    }
    size_t limit = 0;
    EXPECT_EQ(vqtr::dlg::FindTemplateResource(resources, 60002, limit), nullptr);
}

TEST(DialogTemplates, ADialogHoldingACommonControlIsMadeWithIt) {
    CDialogTemplate dialogTemplate(WS_POPUP, RECT{0, 0, 120, 40});
    dialogTemplate.AddControl("msctls_progress32", nullptr, 9, WS_CHILD | WS_VISIBLE,
                              RECT{5, 5, 110, 15});
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
    EXPECT_TRUE(dialog.GetDlgItem(9).IsWindow());
}

TEST(ControlWrappers, ReadItemTextsWhole) {
    AfxInitCommonControls();
    CDialogTemplate dialogTemplate(WS_POPUP, RECT{0, 0, 200, 120});
    dialogTemplate.AddControl("COMBOBOX", nullptr, 10, WS_CHILD | CBS_DROPDOWNLIST,
                              RECT{5, 5, 100, 80});
    dialogTemplate.AddControl("LISTBOX", nullptr, 11, WS_CHILD, RECT{5, 30, 100, 80});
    dialogTemplate.AddControl("EDIT", nullptr, 12, WS_CHILD | ES_MULTILINE, RECT{105, 5, 195, 80});
    CDialog dialog;
    ASSERT_TRUE(dialog.CreateIndirect(dialogTemplate.Get()));
    CComboBox combo = dialog.GetDlgItem(10);
    CListBox list = dialog.GetDlgItem(11);
    CEdit edit = dialog.GetDlgItem(12);
    const std::string longText(300, 'x');
    for (const char* text : {"Photo paper", longText.c_str()}) {
        combo.SetItemData(combo.AddString(text), 7);
        list.AddString(text);
    }
    EXPECT_EQ(combo.GetLBText(1), longText.c_str());
    EXPECT_EQ(combo.GetLBText(5), "");
    EXPECT_EQ(list.GetText(0), "Photo paper");
    EXPECT_EQ(combo.FindStringExact(-1, "PHOTO PAPER"), 0);
    EXPECT_EQ(combo.SelectString(-1, longText.c_str()), 1);
    EXPECT_EQ(combo.GetItemData(1), 7u);

    edit.SetWindowText("first\r\nsecond line\r\n");
    EXPECT_EQ(edit.GetLine(1), "second line");
    EXPECT_EQ(edit.GetLine(2), "");
    EXPECT_EQ(edit.GetLine(9), "");
}

} // namespace
