#include "SetupCtrls.h"

#include "Menus.h"
#include "StdCtrls.h"

void RegisterSetupControls() {
  RegisterClass<TBoardImage>();
  RegisterClass<TBoardHighlight>();
  RegisterClass<TRadioPanel>();
  RegisterClass<TThreeJumper>();
  RegisterClass<TSetupSupporter>();
  RegisterClass<TLabel>();
  RegisterClass<TRadioButton>();
  RegisterClass<TButton>();
  RegisterClass<TPanel>();
  RegisterClass<TMainMenu>();
  RegisterClass<TMenuItem>();
}
