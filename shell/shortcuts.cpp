#include "shell/shortcuts.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "engine/text_win.h"
#include "engine/unique_handle_win.h"
#include "shell/product_info.h"
#include "shell/shell_error.h"
#include "shell/shell_folders.h"

namespace velmora {

namespace {

constexpr UINT QuestionFlags = MB_YESNO | MB_ICONQUESTION; // 36
constexpr char QuestionCaption[] = "確認";
constexpr char Registered[] = " に登録しました。";

// A shell link aimed at the executable, not yet saved.
class ShellLink {
  public:
    explicit ShellLink(const std::wstring& target) {
        const HRESULT created =
            CoCreateInstance(__uuidof(::ShellLink), nullptr, CLSCTX_INPROC_SERVER,
                             __uuidof(IShellLinkW), reinterpret_cast<void**>(link_.put()));
        if (FAILED(created) || !link_)
            throw ShellErrorOf(FAILED(created) ? created : E_NOINTERFACE);
        file_ = link_.As<IPersistFile>(__uuidof(IPersistFile));
        if (!file_)
            throw ShellErrorOf(E_NOINTERFACE);
        // The UTF-16 path: a folder name outside code page 932 still resolves.
        link_->SetPath(target.c_str());
    }

    // An existing file of that name is replaced.
    void SaveAs(const std::wstring& linkPath) { file_->Save(linkPath.c_str(), FALSE); }

  private:
    ComApartment com_; // first in, last out: the link is released before it
    ComPtr<IShellLinkW> link_;
    ComPtr<IPersistFile> file_;
};

bool Confirmed(const ShortcutRequest& request, const char* question) {
    return request.boxes.Show(request.owner, question, QuestionCaption, QuestionFlags) == IDYES;
}

// A failed save goes unnoticed, as the platform's own link writer reports
// nothing useful either: the message names the path that was asked for.
void SaveAndReport(const ShortcutRequest& request, ShellLink& link, const std::wstring& linkPath) {
    link.SaveAs(linkPath);
    request.boxes.Show(request.owner, FromWide(linkPath) + Registered, request.applicationTitle(),
                       MB_OK);
}

} // namespace

std::wstring ShortcutPath(const std::wstring& folder) {
    return folder + L"\\" + ToWide(ProductName) + L".Lnk";
}

// The desktop command renames the application first and makes the link
// before it asks, so a failure to make it is reported without a question.
void CreateDesktopShortcut(const ShortcutRequest& request) {
    request.setApplicationTitle(ProductName);
    ShellLink link(request.executablePath);
    const std::wstring linkPath = ShortcutPath(UserShellFolder(L"Desktop"));
    if (!Confirmed(request, "デスクトップにアイコンを登録しますか？"))
        return;
    SaveAndReport(request, link, linkPath);
}

// The start-up command leaves the title alone: its completion box carries
// whatever title the clock shows.
void CreateStartupShortcut(const ShortcutRequest& request) {
    if (!Confirmed(request, "スタートアップに登録しますか？"))
        return;
    ShellLink link(request.executablePath);
    SaveAndReport(request, link, ShortcutPath(UserShellFolder(L"Startup")));
}

void CreateStartMenuShortcut(const ShortcutRequest& request) {
    request.setApplicationTitle(ProductName);
    if (!Confirmed(request, "スタートメニューのプログラムに登録しますか？"))
        return;
    ShellLink link(request.executablePath);
    SaveAndReport(request, link, ShortcutPath(UserShellFolder(L"Programs")));
}

} // namespace velmora
