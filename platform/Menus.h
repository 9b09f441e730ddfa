// Menus: the main menu of a window and its items. Each item shows as a Qt action; an
// item with sub-items also has a Qt menu. Captions keep their "&" accelerator marks,
// which Qt reads the same way.
#pragma once

#include "Component.h"
#include "Events.h"

#include <QAction>
#include <QMenu>
#include <QPointer>

#include <memory>
#include <vector>

class QMenuBar;
class TMainMenu;

class TMenuItem : public TComponent {
  Q_OBJECT
  Q_PROPERTY(QString Caption READ Caption WRITE SetCaption)
  Q_PROPERTY(bool Checked READ Checked WRITE SetChecked)
  Q_PROPERTY(bool Enabled READ Enabled WRITE SetEnabled)
  Q_PROPERTY(bool Visible READ Visible WRITE SetVisible)
  Q_PROPERTY(bool RadioItem READ RadioItem WRITE SetRadioItem)
  Q_PROPERTY(int GroupIndex READ GroupIndex WRITE SetGroupIndex)
  Q_PROPERTY(QString Hint READ Hint WRITE SetHint)
  Q_PROPERTY(TNotifyEvent OnClick READ OnClick WRITE SetOnClick)
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  const QString& Caption() const { return FCaption; }
  void SetCaption(const QString& value);
  bool Checked() const { return FChecked; }
  void SetChecked(bool value);
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool value);
  bool Visible() const { return FVisible; }
  void SetVisible(bool value);
  bool RadioItem() const { return FRadioItem; }
  void SetRadioItem(bool value) { FRadioItem = value; }
  int GroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int value) { FGroupIndex = value; }
  const QString& Hint() const { return FHint; }
  void SetHint(const QString& value) { FHint = value; }
  TNotifyEvent OnClick() const { return FOnClick; }
  void SetOnClick(const TNotifyEvent& value) { FOnClick = value; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(index); }
  TMenuItem* Parent() const { return FParent; }
  int IndexOf(const TMenuItem* item) const;
  int MenuIndex() const { return FParent ? FParent->IndexOf(this) : -1; }
  void Insert(int index, TMenuItem* item);
  void Add(TMenuItem* item) { Insert(Count(), item); }
  void Remove(TMenuItem* item);
  // The sub-item with this caption (compared without "&" marks), or nullptr.
  TMenuItem* Find(const QString& caption) const;

  virtual void Click();
  void SetParentComponent(TComponent* parent) override;

  QAction* Action() const { return FAction.get(); }
  // Shows the sub-items in a menu bar instead of a drop-down menu (the main menu's root).
  void AttachMenuBar(QMenuBar* bar);

 private:
  QWidget* Container();
  void UpdateAction();

  QString FCaption;
  bool FChecked = false;
  bool FEnabled = true;
  bool FVisible = true;
  bool FRadioItem = false;
  int FGroupIndex = 0;
  QString FHint;
  TNotifyEvent FOnClick;
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
  std::unique_ptr<QAction> FAction;
  std::unique_ptr<QMenu> FSubMenu;
  QPointer<QMenuBar> FMenuBar;
};

class TMainMenu : public TComponent {
  Q_OBJECT
 public:
  explicit TMainMenu(TComponent* AOwner);
  ~TMainMenu() override;
  // The invisible root item whose sub-items are the menu bar's entries.
  TMenuItem* Items() const { return FItems.get(); }
  // Builds a menu bar that shows this menu and stays in step with it.
  QMenuBar* CreateMenuBar();

 private:
  std::unique_ptr<TMenuItem> FItems;
};

// Removes the "&" accelerator marks ("&&" stands for one "&").
QString StripHotkey(const QString& caption);
