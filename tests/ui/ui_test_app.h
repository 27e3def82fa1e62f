#pragma once
// A small program on the window layer for the tests: a document, a board
// form view and a frame set up as the game sets up its own, each recording
// what reaches it.

#include <memory>
#include <string>
#include <vector>

#include "ui/platform/doc_template.h"
#include "ui/platform/document.h"
#include "ui/platform/frame_window.h"
#include "ui/platform/status_bar.h"
#include "ui/platform/view.h"
#include "ui/platform/window_app.h"
#include "ui/resources/resource_ids.h"

class TestDocument : public CDocument {
 public:
  int newDocuments = 0;
  bool refuseNew = false;
  std::vector<int> commands;
  bool OnNewDocument() override {
    if (refuseNew) return false;
    ++newDocuments;
    CDocument::OnNewDocument();
    SetTitle("default.tvu");
    return true;
  }
  bool OnCmdMsg(int id) override {
    if (id != 4242) return false;
    commands.push_back(id);
    return true;
  }
};

class TestView : public CFormView {
 public:
  TestView() : CFormView(IDD_BOARD_FORM) {}
  int initialUpdates = 0;
  std::vector<int> commands;
  std::vector<std::string> mouse;
  void OnInitialUpdate() override {
    CFormView::OnInitialUpdate();
    ++initialUpdates;
  }
  bool OnCmdMsg(int id) override {
    if (id < IDC_DRONE || id > IDC_END_SETUP) return false;
    commands.push_back(id);
    return true;
  }
  void OnLButtonDown(int x, int y) override { mouse.push_back("L down " + Point(x, y)); }
  void OnLButtonUp(int x, int y) override { mouse.push_back("L up " + Point(x, y)); }
  void OnRButtonDown(int x, int y) override { mouse.push_back("R down " + Point(x, y)); }
  void OnRButtonUp(int x, int y) override { mouse.push_back("R up " + Point(x, y)); }

 private:
  static std::string Point(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
};

class TestFrame : public CFrameWnd {
 public:
  bool allowClose = true;
  int closeRequests = 0;

 protected:
  bool PreCreateWindow(CREATESTRUCT& cs) override {
    if (!CFrameWnd::PreCreateWindow(cs)) return false;
    cs.style = WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | FWS_ADDTOTITLE;
    return true;
  }
  int OnCreate() override {
    static const int indicators[] = {ID_SEPARATOR, ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL};
    auto* bar = new CStatusBar(this);
    if (!bar->SetIndicators(indicators, 4)) return -1;
    SetStatusBar(bar);
    SetMessageText("Ready");
    MoveWindow(0, 0, 800, 600);
    return 0;
  }
  void OnClose() override {
    ++closeRequests;
    if (allowClose) CFrameWnd::OnClose();
  }
};

class TestApp : public CWinApp {
 public:
  bool initResult = true;
  CCommandLineInfo commandLine;

  bool InitInstance() override {
    if (!initResult) return false;
    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);
    AddDocTemplate(std::make_unique<CSingleDocTemplate>(
        IDR_MAINFRAME, [] { return std::make_unique<TestDocument>(); }, [] { return std::make_unique<TestFrame>(); },
        [] { return std::make_unique<TestView>(); }));
    return ProcessShellCommand(commandLine);
  }

  TestDocument* Document() const { return static_cast<TestDocument*>(DocTemplate()->GetDocument()); }
  TestFrame* Frame() const { return static_cast<TestFrame*>(MainFrame()); }
  TestView* View() const { return static_cast<TestView*>(Frame()->GetActiveView()); }
};
