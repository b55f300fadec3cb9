# SPDX-License-Identifier: MIT
# The window's texts from the form's table (tests/support/FormTexts.cpp writes
# them into the build tree): the caption, the menu item, and each control's
# text, screen-reader name and description, so that the scripts that check
# what a user reads and hears do not write them again.
import json
import os


def load(near=None):
    """The texts: from $LEXIDOR_FORM_TEXTS, else from the build tree that
    holds `near` (a program built there)."""
    path = os.environ.get("LEXIDOR_FORM_TEXTS")
    if not path and near:
        folder = os.path.dirname(os.path.abspath(near))
        while folder != os.path.dirname(folder) and not os.path.isfile(os.path.join(folder, "tests", "form-texts.json")):
            folder = os.path.dirname(folder)
        path = os.path.join(folder, "tests", "form-texts.json")
    if not path or not os.path.isfile(path):
        raise RuntimeError("no form-texts.json (set LEXIDOR_FORM_TEXTS, or build the tests)")
    with open(path, encoding="utf-8") as f:
        return json.load(f)
