"""The texts the accessibility walk looks for, in the interface's language.

The walk (scripts/a11y-walk.py) finds controls by their names and presses
their access keys. In English both are the control's source text in src/; in
another language they are that text's translation, read from
translations/velmora_<language>.ts, the file lrelease builds the program's
translation from. A source the file lacks or leaves untranslated is told by
name (MissingText), so a walk that cannot find a control says why.
"""

import re
import xml.etree.ElementTree as ElementTree
from pathlib import Path

SOURCE_LANGUAGE = "en"


class MissingText(Exception):
    pass


def _plain(text):
    """The text as a screen reader hears it: '&x' is x, '&&' is '&' (as Qt strips it)."""
    return re.sub(r"&(.)", r"\1", text, flags=re.S)


def _mnemonic(text):
    """The character after the '&' that marks the access key, as Qt finds it; None without one."""
    marks = [m.group(1) for m in re.finditer(r"&(.)", text, flags=re.S) if m.group(1) != "&"]
    if len(marks) > 1:
        raise MissingText(f'"{text}" marks {len(marks)} access keys')
    return marks[0] if marks else None


def _pieces(text):
    """The text around its arguments (%1, %n): what the program fills in is not known here."""
    return re.split(r"%(?:\d+|n)", _plain(text).strip())


class Texts:
    def __init__(self, language=SOURCE_LANGUAGE, folder=None):
        self.language = language or SOURCE_LANGUAGE
        self.file = None
        self._messages = {}  # source -> [(context, translation)]
        if self.language != SOURCE_LANGUAGE:
            self.file = Path(folder) / f"velmora_{self.language}.ts"
            self._read()

    def _read(self):
        try:
            root = ElementTree.parse(self.file).getroot()
        except (OSError, ElementTree.ParseError) as error:
            raise MissingText(f"cannot read the translation {self.file}: {error}") from error
        for context in root.iter("context"):
            name = context.findtext("name", "")
            for message in context.iter("message"):
                source = message.findtext("source")
                translation = message.find("translation")
                # lrelease leaves out what the code no longer has.
                if source is None or translation is None or translation.get("type") in ("vanished", "obsolete"):
                    continue
                # Of a plural, the first form: the walk names no count.
                form = translation.find("numerusform")
                text = "".join((form if form is not None else translation).itertext())
                self._messages.setdefault(source, []).append((name, text))

    def translated(self, source, context):
        """The translation of source, from the class or window context (a name or its last part)."""
        if self.language == SOURCE_LANGUAGE:
            return source
        found = self._messages.get(source)
        if not found:
            raise MissingText(f'"{source}" ({context}) is not in {self.file}')
        own = [text for name, text in found if name == context or name.endswith("::" + context)]
        # A context named otherwise than the walk expects does not matter while the text is the same.
        candidates = set(own) if own else {text for _, text in found}
        if len(candidates) > 1:
            contexts = ", ".join(sorted(name for name, _ in found))
            raise MissingText(f'"{source}" is translated differently in {contexts}; none is {context}')
        text = candidates.pop()
        if not text:
            raise MissingText(f'"{source}" ({context}) has no translation in {self.file}')
        return text

    def name(self, source, context):
        """A pattern for re.search that finds the control's name, whatever its arguments are."""
        return ".*".join(re.escape(piece) for piece in _pieces(self.translated(source, context)))

    def title(self, source, context):
        """A POSIX extended pattern for xdotool search, the window's title from its start."""
        pieces = _pieces(self.translated(source, context))
        return "^" + ".*".join(re.sub(r"([.\[\]()*+?{}|^$\\])", r"\\\1", piece) for piece in pieces)

    def key(self, source, context):
        """The xdotool key name of the control's access key, as a menu's item takes it."""
        translation = self.translated(source, context)
        character = _mnemonic(translation)
        if character is None:
            raise MissingText(f'"{translation}" (from "{source}", {context}) has no access key')
        character = character.lower()
        if re.fullmatch(r"[a-z0-9]", character):
            return character
        # Any other character by its Unicode keysym, which xdotool maps for the press.
        return f"U{ord(character):04X}"

    def alt(self, source, context):
        """The xdotool keys of the control's access key in its window."""
        return "alt+" + self.key(source, context)
