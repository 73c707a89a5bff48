#pragma once

#include "CmdTarget.h"

#include <exception>
#include <string>
#include <vector>

namespace fw {

class CArchive;
class CObject;
class CView;
class CDocTemplate;
class CMDIChildWnd;

// A document: the data that its views show. It keeps its views, tells them
// what changed (UpdateAllViews with a hint code and an optional hint object),
// knows its title, path and modified flag, and reads and writes itself through
// an archive. A document made by a template belongs to that template and is
// deleted when its last view closes.
class CDocument : public CCmdTarget {
public:
    CDocument();
    ~CDocument() override;

    const std::string& GetTitle() const { return m_strTitle; }
    virtual void SetTitle(const std::string& title);
    const std::string& GetPathName() const { return m_strPathName; }
    // Sets the path and takes its file name as the title; addToMRU also puts
    // it on the application's recently-used list.
    virtual void SetPathName(const std::string& path, bool addToMRU = true);
    CDocTemplate* GetDocTemplate() const { return m_pDocTemplate; }

    virtual bool IsModified();
    virtual void SetModifiedFlag(bool modified = true);

    const std::vector<CView*>& GetViews() const { return m_views; }
    void AddView(CView* view);
    void RemoveView(CView* view);
    // Every view but the sender gets OnUpdate(sender, hint, hintObject).
    void UpdateAllViews(CView* sender, long hint = 0, CObject* hintObject = nullptr);
    // The frames that show this document, each once, in view order.
    std::vector<CMDIChildWnd*> GetFrames() const;

    virtual bool OnNewDocument();
    virtual bool OnOpenDocument(const std::string& path);
    virtual bool OnSaveDocument(const std::string& path);
    // Closes every frame of the document, then deletes it when it belongs to
    // a template: callers must not touch the document afterwards.
    virtual void OnCloseDocument();
    virtual void DeleteContents();
    virtual void Serialize(CArchive& ar);

    // Asks whether to save a modified document: false when the user cancels
    // or the save fails.
    virtual bool SaveModified();
    // Whether the frame may close: the last frame of the document asks
    // SaveModified first.
    virtual bool CanCloseFrame(CMDIChildWnd* frame);
    // Saves under path, or under a name asked for when path is empty.
    virtual bool DoSave(const std::string& path, bool replace = true);
    bool DoFileSave();

    // Shows why a file could not be read or written.
    virtual void ReportSaveLoadException(const std::string& path, const std::exception* e,
                                         bool saving);

    bool m_bAutoDelete = true;

protected:
    virtual void OnChangedViewList();

private:
    friend class CDocTemplate;

    std::string m_strTitle;
    std::string m_strPathName;
    CDocTemplate* m_pDocTemplate = nullptr;
    bool m_bModified = false;
    bool m_bInClose = false;
    std::vector<CView*> m_views;
};

// A file that could not be opened, read or written.
class CFileException : public std::exception {
public:
    CFileException(std::string path, std::string reason);
    const char* what() const noexcept override { return m_message.c_str(); }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
    std::string m_message;
};

} // namespace fw
