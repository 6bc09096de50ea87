#pragma once
// The window of an account's real charges that a voucher program hands to
// ClsCmnCptes::ControlDeCargosReales: any form of the program that carries
// the customer and the registration whose charges it shows. The program
// derives its own window from it; the voucher class sets the two and shows
// it modally.
#include <QString>

#include "platform/ui/Form.h"

namespace vouchers {

class FormCargosReales : public ui::Form {
 public:
  QString Cliente;
  QString Matricula;

 protected:
  using ui::Form::Form;
};

}  // namespace vouchers
