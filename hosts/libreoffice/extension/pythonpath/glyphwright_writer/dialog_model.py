"""Dialogs built in code: a model with its controls placed in dialog units, then the dialog; and a
listener to their windows that hears only what it overrides."""

import unohelper
from com.sun.star.awt import XTopWindowListener


class DialogModel:
    """The model of a dialog, title and size given, to which controls are added by kind."""

    def __init__(self, ctx, title, width, height):
        self.ctx = ctx
        self.model = ctx.ServiceManager.createInstanceWithContext(
            "com.sun.star.awt.UnoControlDialogModel", ctx)
        self.model.Title = title
        self.model.Width, self.model.Height = width, height

    def add(self, kind, name, x, y, width, height, **properties):
        """A control "UnoControl<kind>Model" named name, with these properties set."""
        control = self.model.createInstance(f"com.sun.star.awt.UnoControl{kind}Model")
        control.PositionX, control.PositionY = x, y
        control.Width, control.Height = width, height
        for prop, value in properties.items():
            setattr(control, prop, value)
        self.model.insertByName(name, control)

    def dialog(self):
        """The dialog of this model, not yet shown."""
        dialog = self.ctx.ServiceManager.createInstanceWithContext(
            "com.sun.star.awt.UnoControlDialog", self.ctx)
        dialog.setModel(self.model)
        return dialog


class TopWindowWatcher(unohelper.Base, XTopWindowListener):
    """Every event of a top window ignored; a subclass overrides the ones it acts on."""

    def windowOpened(self, event):
        pass

    def windowClosing(self, event):
        pass

    def windowClosed(self, event):
        pass

    def windowMinimized(self, event):
        pass

    def windowNormalized(self, event):
        pass

    def windowActivated(self, event):
        pass

    def windowDeactivated(self, event):
        pass

    def disposing(self, source):
        pass
