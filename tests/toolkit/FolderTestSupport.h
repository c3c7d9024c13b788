#pragma once
// For the folder tree and file list tests: real temporary folder trees to
// show in them.
#include "StdCtrlsTestSupport.h"
#include "toolkit/win/controls/DirectoryOutline.h"
#include "toolkit/win/controls/FolderListing.h"
#include "toolkit/win/controls/ListViewMessages.h"
#include "toolkit/win/controls/ShellListView.h"
#include "toolkit/win/controls/TreeViewMessages.h"

#include <initializer_list>
#include <string>

namespace foldertest {

using namespace stdtest;

inline std::wstring LongForm(const std::wstring& path) { return folders::LongPathForm(path); }

inline void RemoveTree(const std::wstring& path) {
    for (auto& e : folders::ReadFolder(path)) {
        std::wstring p = folders::JoinPath(path, e.Name);
        if (e.Folder) RemoveTree(p);
        else {
            SetFileAttributesW(LongForm(p).c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(LongForm(p).c_str());
        }
    }
    RemoveDirectoryW(LongForm(path).c_str());
}

// A fresh folder under the temporary folder, removed with all it holds.
class TTempTree {
public:
    TTempTree() {
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH, temp);
        static int counter = 0;
        FRoot = folders::NormalizePath(folders::JoinPath(
            temp, L"fw-folders-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter)));
        RemoveTree(FRoot);
        EXPECT_TRUE(CreateDirectoryW(FRoot.c_str(), nullptr));
    }
    ~TTempTree() { RemoveTree(FRoot); }
    TTempTree(const TTempTree&) = delete;
    TTempTree& operator=(const TTempTree&) = delete;

    const std::wstring& Root() const { return FRoot; }
    std::string RootUtf8() const { return win::Narrow(FRoot); }
    std::wstring At(const std::wstring& relative) const { return folders::JoinPath(FRoot, relative); }
    std::string AtUtf8(const std::wstring& relative) const { return win::Narrow(At(relative)); }

    void Folder(const std::wstring& relative) const {
        EXPECT_TRUE(CreateDirectoryW(LongForm(At(relative)).c_str(), nullptr)) << win::Narrow(relative);
    }
    void File(const std::wstring& relative, size_t bytes = 0, DWORD attributes = FILE_ATTRIBUTE_NORMAL) const {
        HANDLE h = CreateFileW(LongForm(At(relative)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, attributes,
                               nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << win::Narrow(relative);
        std::string data(bytes, 'x');
        DWORD written = 0;
        if (bytes) WriteFile(h, data.data(), static_cast<DWORD>(bytes), &written, nullptr);
        CloseHandle(h);
        if (attributes != FILE_ATTRIBUTE_NORMAL) SetFileAttributesW(LongForm(At(relative)).c_str(), attributes);
    }

private:
    std::wstring FRoot;
};

} // namespace foldertest
