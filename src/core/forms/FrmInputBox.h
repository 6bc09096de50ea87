#pragma once
// The question dialog behind clsInputBox: a header with a picture and the
// detail text, one text field and the two buttons, which hide it.
#include "platform/ui/Controls.h"
#include "platform/ui/Form.h"

namespace core {

class FrmInputBox : public ui::Form {
 public:
  FrmInputBox();

  // True when closed with "Aceptar".
  bool pAcepto = false;

  ui::Frame FrmEncabezado{*this, "FrmEncabezado"};
  ui::Image ImgPrincipal{FrmEncabezado, "ImgPrincipal"};
  ui::Label lblDescripcion{FrmEncabezado, "lblDescripcion"};
  ui::TextBox txtfields{*this, "txtfields"};
  ui::CommandButton CmdAceptar{*this, "CmdAceptar"};
  ui::CommandButton CmdCancelar{*this, "CmdCancelar"};
  // The pictures the main one is copied from; never shown themselves.
  ui::Image ImgCortaplumas{*this, "ImgCortaplumas"};
  ui::Image ImgConfiguracion{*this, "ImgConfiguracion"};
  ui::Image ImgCandado{*this, "ImgCandado"};
  ui::Image ImVXS{*this, "ImVXS"};
  ui::Image Imgusuarios{*this, "Imgusuarios"};
  ui::Image imgLibro{*this, "imgLibro"};

  void CmdAceptar_Click();
  void CmdCancelar_Click();
  void Form_Load() override;
};

}  // namespace core
