#include "Menus.h"

#include "Guard.h"

#include <QMenuBar>

#include <algorithm>

QString StripHotkey(const QString& caption) {
  QString result;
  result.reserve(caption.size());
  for (int i = 0; i < caption.size(); ++i) {
    if (caption[i] == QLatin1Char('&')) {
      if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
        result += QLatin1Char('&');
        ++i;
      }
      continue;
    }
    result += caption[i];
  }
  return result;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FAction(std::make_unique<QAction>()) {
  QObject::connect(FAction.get(), &QAction::triggered, FAction.get(), [this] { Guarded([this] { Click(); }); });
}

TMenuItem::~TMenuItem() {
  MarkDestroying();
  while (!FItems.empty()) delete FItems.back();
  if (FParent) FParent->Remove(this);
  FAction->setMenu(static_cast<QMenu*>(nullptr));
  FAction.reset();
  FSubMenu.reset();
}

void TMenuItem::SetParentComponent(TComponent* parent) {
  if (auto* item = qobject_cast<TMenuItem*>(parent)) return item->Add(this);
  if (auto* menu = qobject_cast<TMainMenu*>(parent)) return menu->Items()->Add(this);
  throw EComponentError(QStringLiteral("Menu item %1 must be placed in a menu").arg(Name()));
}

void TMenuItem::UpdateAction() {
  FAction->setText(FCaption);
  FAction->setSeparator(FCaption == QLatin1String("-"));
  FAction->setCheckable(FChecked || FRadioItem);
  FAction->setChecked(FChecked);
  FAction->setEnabled(FEnabled);
  FAction->setVisible(FVisible);
  if (FSubMenu) FSubMenu->setTitle(FCaption);
}

void TMenuItem::SetCaption(const QString& value) {
  if (value == FCaption) return;
  FCaption = value;
  UpdateAction();
}

void TMenuItem::SetChecked(bool value) {
  if (value == FChecked) return;
  FChecked = value;
  UpdateAction();
}

void TMenuItem::SetEnabled(bool value) {
  if (value == FEnabled) return;
  FEnabled = value;
  UpdateAction();
}

void TMenuItem::SetVisible(bool value) {
  if (value == FVisible) return;
  FVisible = value;
  UpdateAction();
}

int TMenuItem::IndexOf(const TMenuItem* item) const {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

QWidget* TMenuItem::Container() {
  if (FMenuBar) return FMenuBar.data();
  if (!FSubMenu) {
    FSubMenu = std::make_unique<QMenu>();
    FSubMenu->setTitle(FCaption);
    FAction->setMenu(FSubMenu.get());
  }
  return FSubMenu.get();
}

void TMenuItem::Insert(int index, TMenuItem* item) {
  if (!item) return;
  if (item->FParent) {
    throw EComponentError(QStringLiteral("Menu item %1 is already in a menu").arg(item->Name()));
  }
  index = std::clamp(index, 0, Count());
  QWidget* container = Container();
  QAction* before = index < Count() ? FItems[index]->Action() : nullptr;
  FItems.insert(FItems.begin() + index, item);
  item->FParent = this;
  container->insertAction(before, item->Action());
}

void TMenuItem::Remove(TMenuItem* item) {
  auto it = std::find(FItems.begin(), FItems.end(), item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  item->FParent = nullptr;
  if (FMenuBar) FMenuBar->removeAction(item->Action());
  if (FSubMenu) FSubMenu->removeAction(item->Action());
}

TMenuItem* TMenuItem::Find(const QString& caption) const {
  const QString wanted = StripHotkey(caption);
  for (TMenuItem* item : FItems) {
    if (StripHotkey(item->FCaption).compare(wanted, Qt::CaseInsensitive) == 0) return item;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (FOnClick) FOnClick(this);
}

void TMenuItem::AttachMenuBar(QMenuBar* bar) {
  // From now on the sub-items live in the bar; a drop-down made for them before goes.
  FAction->setMenu(static_cast<QMenu*>(nullptr));
  FSubMenu.reset();
  FMenuBar = bar;
  for (TMenuItem* item : FItems) bar->addAction(item->Action());
}

TMainMenu::TMainMenu(TComponent* AOwner) : TComponent(AOwner), FItems(std::make_unique<TMenuItem>(nullptr)) {}

TMainMenu::~TMainMenu() {
  MarkDestroying();
  FItems.reset();
}

QMenuBar* TMainMenu::CreateMenuBar() {
  auto* bar = new QMenuBar;  // handed to the window, which owns it
  FItems->AttachMenuBar(bar);
  return bar;
}
