#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 Quorvane
# SPDX-License-Identifier: GPL-3.0-or-later
# The help pages' generator on templates of its own, as a translator meets it:
# a new language's template makes its page, a template it cannot use makes
# none, and --check sees a stale or orphaned page. (That the game's own pages
# are up to date is the help_page test.)

import contextlib
import importlib.util
import io
import tempfile
import unittest
from pathlib import Path

ROOT = Path(__file__).resolve().parents[2]
module_source = importlib.util.spec_from_file_location("make_help", ROOT / "tools" / "help" / "make_help.py")
make_help = importlib.util.module_from_spec(module_source)
module_source.loader.exec_module(make_help)


def template(lang, body):
    return '<!DOCTYPE html>\n<html lang="%s">\n<body>%s</body>\n</html>\n' % (lang, body)


SPANISH = {"Instrucciones.template.htm": template("es", "{{c00|El héroe}}")}


class Pages(unittest.TestCase):
    def setUp(self):
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        self.templates, self.assets = Path(folder.name) / "help", Path(folder.name) / "assets"
        for name, value in (("TEMPLATES", self.templates), ("ASSETS", self.assets)):
            value.mkdir()
            self.addCleanup(setattr, make_help, name, getattr(make_help, name))
            setattr(make_help, name, value)

    def run_script(self, *args, templates=None):
        for name, text in (templates or {}).items():
            (self.templates / name).write_text(text, encoding="utf-8")
        out = io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(out):
            status = make_help.main(list(args))
        return status, out.getvalue()

    def test_a_new_language_makes_its_page_and_check_sees_it_stale(self):
        brazilian = template("pt-BR", "{{ring@20|O aro\n  da marca}}")
        self.assertEqual(self.run_script(templates={**SPANISH,
                         "Instrucciones_pt_BR.template.htm": brazilian})[0], 0)
        page = self.assets / "Instrucciones_pt_BR.htm"
        self.assertIn('width="20" height="20" alt="O aro da marca" />', page.read_text("utf-8"))
        self.assertEqual(self.run_script("--check")[0], 0)
        page.write_bytes(page.read_bytes() + b" ")
        (self.assets / "Instrucciones_fr.htm").write_text("old", encoding="utf-8")
        status, output = self.run_script("--check")
        self.assertEqual(status, 1)
        self.assertIn("Instrucciones_pt_BR.htm is out of date", output)
        self.assertIn("Instrucciones_fr.htm has no template", output)

    def test_templates_that_make_no_page(self):
        cases = [
            ("Instrucciones_fr.template.htm", template("en", ""), 'must say lang="fr"'),
            ("Instrucciones-fr.template.htm", template("fr", ""), "a template is named"),
            ("Instrucciones_fr.template.htm", template("fr", "{{c00}}"),
             "Instrucciones_fr.template.htm: {{c00}} does not say what the picture shows"),
            ("Instrucciones_fr.template.htm", template("fr", "{{nobody|x}}"),
             "unknown picture marker {{nobody}}"),
        ]
        for name, text, message in cases:
            with self.subTest(message):
                for old in [*self.templates.iterdir(), *self.assets.iterdir()]:
                    old.unlink()
                status, output = self.run_script(templates={**SPANISH, name: text})
                self.assertEqual(status, 2, output)
                self.assertIn(message, output)
                self.assertEqual(list(self.assets.iterdir()), [])


if __name__ == "__main__":
    unittest.main()
