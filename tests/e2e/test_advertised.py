"""Advertised (Windows Installer) shortcuts, resolved by the real programs through Wine's
own Installer. A one-file product is built from WiX source with wixl and installed with
msiexec into the test prefix; the bench then makes advertised links to its components.

What the programs show cannot tell every road apart (an uninstalled product and a
component without a path both end in the bare not-found box), so each case also reads
Wine's trace of the shell link object and COM, and of the Installer's component query:

- Wine's Installer reads an advertised link's Darwin block through the shell link object
  itself, inside a COM initialisation of its own, loading the file in mode
  STGM_READ | STGM_SHARE_DENY_WRITE (0x20). That read happens on every road.
- The programs' own shell-link step loads the file in mode STGM_READ (0) and reads the
  path with IShellLinkA::GetPath, between CoInitialize and CoUninitialize.
- A message box initialises COM on its own (Wine's input method support does so for every
  window), so a bare count of CoInitialize calls proves nothing.
"""

import re
import shutil
import subprocess
import unittest
from dataclasses import dataclass

import bench

FIXTURE = bench.Path(__file__).resolve().parent / "fixtures" / "advertised.wxs"
FEATURE = "Main"
NOT_FOUND_SUFFIX = "\nが見つかりませんでした。".encode("cp932")
DARWIN_SIGNATURE = 0xA0000006


@dataclass
class Product:
    code: str
    upgrade_code: str
    component: str  # Report.txt, the key path of the component Report
    pathless_component: str  # Ghost: its key path names no file of the package


INSTALLED = Product("{6F1C3A52-8D47-4E0B-9A21-3C5D7E9F1A01}",
                    "{6F1C3A52-8D47-4E0B-9A21-3C5D7E9F1A02}",
                    "{6F1C3A52-8D47-4E0B-9A21-3C5D7E9F1A03}",
                    "{6F1C3A52-8D47-4E0B-9A21-3C5D7E9F1A04}")
REMOVED = Product("{0B8E2D94-5A13-4C6F-8E70-1D2B3C4D5E01}",
                  "{0B8E2D94-5A13-4C6F-8E70-1D2B3C4D5E02}",
                  "{0B8E2D94-5A13-4C6F-8E70-1D2B3C4D5E03}",
                  "{0B8E2D94-5A13-4C6F-8E70-1D2B3C4D5E04}")


def build_package(product):
    """The product's package, built in a fresh folder of drive C: from the WiX source;
    returns its Windows path.
    wixl cannot make a component whose key path is no file of the package, so msibuild
    adds one to the built database: Wine's Installer registers such a component with an
    empty path."""
    for tool in ("wixl", "msibuild"):
        if shutil.which(tool) is None:
            raise RuntimeError(f"{tool} is missing: run scripts/setup.sh (packages wixl, msitools)")
    folder_windows, folder = bench.fresh_folder("package")
    (folder / "Report.txt").write_bytes(b"installed by the fixture package\r\n")
    package = folder / f"{product.code.strip('{}')}.msi"
    subprocess.run(["wixl", "-D", f"ProductCode={product.code}",
                    "-D", f"UpgradeCode={product.upgrade_code}",
                    "-D", f"ComponentCode={product.component}",
                    "-o", str(package), str(FIXTURE)], cwd=folder, check=True)
    subprocess.run(["msibuild", str(package),
                    "-q", "INSERT INTO `Component` (`Component`, `ComponentId`, `Directory_`, "
                          "`Attributes`, `KeyPath`) VALUES ('Ghost', "
                          f"'{product.pathless_component}', 'INSTALLDIR', 0, 'GhostFile')",
                    "-q", "INSERT INTO `FeatureComponents` (`Feature_`, `Component_`) "
                          "VALUES ('Main', 'Ghost')"], check=True)
    return f"{folder_windows}\\{package.name}"


# One entry of the trace, as a tuple: ("CoInitialize",), ("CoUninitialize",),
# ("Load", file, mode), ("GetPathA",) or ("ComponentPath", product, component).
TRACE_PATTERNS = (
    (re.compile(r"trace:ole:CoInitializeEx [0-9A-Fa-f]+, "), lambda m: ("CoInitialize",)),
    (re.compile(r"trace:ole:CoUninitialize\s*$"), lambda m: ("CoUninitialize",)),
    (re.compile(r'trace:shell:IPersistFile_fnLoad \([0-9A-Fa-f]+, L"(.*)", ([0-9a-f]+)\)'),
     lambda m: ("Load", m.group(1).replace("\\\\", "\\"), int(m.group(2), 16))),
    (re.compile(r"trace:shell:IShellLinkA_fnGetPath \("), lambda m: ("GetPathA",)),
    (re.compile(r'trace:msi:MsiGetComponentPathExA "(\{[^"]*\})" "(\{[^"]*\})"'),
     lambda m: ("ComponentPath", m.group(1).upper(), m.group(2).upper())),
)
TRACE_CHANNELS = "-all,+ole,+shell,+msi"


def trace_events(trace):
    events = []
    for line in trace.decode("utf-8", errors="replace").splitlines():
        for pattern, event in TRACE_PATTERNS:
            match = pattern.search(line)
            if match:
                events.append(event(match))
                break
    return events


def darwin_descriptor(link_bytes):
    """The descriptor of the link file's Darwin data block, or None without one. The extra
    data blocks follow the header, the item list, the link info and the strings."""
    flags = int.from_bytes(link_bytes[20:24], "little")
    offset = 0x4C
    if flags & 0x01:  # an item id list: its size, then the list
        offset += 2 + int.from_bytes(link_bytes[offset:offset + 2], "little")
    if flags & 0x02:  # link info: its size counts itself
        offset += int.from_bytes(link_bytes[offset:offset + 4], "little")
    unit = 2 if flags & 0x80 else 1
    for bit in (0x04, 0x08, 0x10, 0x20, 0x40):  # the counted strings
        if flags & bit:
            offset += 2 + unit * int.from_bytes(link_bytes[offset:offset + 2], "little")
    while offset + 8 <= len(link_bytes):
        size = int.from_bytes(link_bytes[offset:offset + 4], "little")
        if size < 8:
            break
        signature = int.from_bytes(link_bytes[offset + 4:offset + 8], "little")
        if signature == DARWIN_SIGNATURE:
            # 260 bytes of ANSI text, then 520 bytes of UTF-16; the wide one is read.
            wide = link_bytes[offset + 8 + 260:offset + 8 + 260 + 520]
            return wide.decode("utf-16-le").split("\0", 1)[0]
        offset += size
    return None


class AdvertisedShortcutTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tools = bench.install_tools("select-target")
        cls.links, cls.links_unix = bench.fresh_folder("advertised")
        cls.installed, cls.installed_unix = bench.fresh_folder("installed")
        removed, removed_unix = bench.fresh_folder("removed")
        installed_package = build_package(INSTALLED)
        removed_package = build_package(REMOVED)

        bench.msiexec("/i", installed_package, f"INSTALLDIR={cls.installed}\\")
        bench.msiexec("/i", removed_package, f"INSTALLDIR={removed}\\")
        # Wine's Installer works out the folders anew on removal, so it is told again.
        bench.msiexec("/x", removed_package, f"INSTALLDIR={removed}\\")
        assert (cls.installed_unix / "Report.txt").is_file(), "msiexec installed nothing"
        assert not (removed_unix / "Report.txt").exists(), "msiexec /x left the file"

        cls.descriptor = bench.make_advertised_link(
            cls.links + "\\installed.lnk", INSTALLED.code, FEATURE, INSTALLED.component)
        bench.make_advertised_link(cls.links + "\\pathless.lnk", INSTALLED.code, FEATURE,
                                   INSTALLED.pathless_component)
        bench.make_advertised_link(cls.links + "\\removed.lnk", REMOVED.code, FEATURE,
                                   REMOVED.component)
        (cls.installed_unix / "Plain.txt").write_bytes(b"plain")
        bench.make_link(cls.links + "\\plain.lnk", cls.installed + "\\Plain.txt")

    def test_the_link_carries_the_descriptor_in_a_darwin_block(self):
        # Product and component compressed to 20 characters each, around "Main>".
        self.assertEqual(20 + len(FEATURE) + 1 + 20, len(self.descriptor), self.descriptor)
        self.assertEqual(FEATURE + ">", self.descriptor[20:20 + len(FEATURE) + 1])
        link_bytes = (self.links_unix / "installed.lnk").read_bytes()
        self.assertEqual(self.descriptor, darwin_descriptor(link_bytes))
        plain_bytes = (self.links_unix / "plain.lnk").read_bytes()
        self.assertIsNone(darwin_descriptor(plain_bytes))

    def test_roads_of_the_resolution(self):
        # link name: (target given to Explorer, or None for the bare not-found box;
        #             (product, component) that the Installer is asked about, or None;
        #             whether the programs' own shell-link step runs)
        cases = {
            # The installed component: its path, from the Installer alone.
            "installed": (self.installed + "\\Report.txt", (INSTALLED.code, INSTALLED.component),
                          False),
            # The product is gone: the Installer writes no length and no text. The unwritten
            # length counts as an answer, the empty one, and the shell link is not asked
            # (here it would have given nothing either, see below).
            "removed": (None, (REMOVED.code, REMOVED.component), False),
            # A component registered with an empty path: length 0, so the shell-link step
            # runs on the same file. Wine's shell link gives no path for a link with a
            # Darwin block, so the Installer road is the only one on which such a link
            # resolves here, and this one ends in the bare box too.
            "pathless": (None, (INSTALLED.code, INSTALLED.pathless_component), True),
            # An ordinary link: the Installer finds no Darwin block and the shell link
            # gives its target.
            "plain": (self.installed + "\\Plain.txt", None, True),
        }
        for name, (target, query, shell_link_step) in cases.items():
            with self.subTest(name):
                link = f"{self.links}\\{name}.lnk"
                run = bench.run_tool(self.tools, "select-target", link,
                                     env={"WINEDEBUG": TRACE_CHANNELS})
                self.assertEqual(0, run.exit_code)
                if target is None:
                    self.assertEqual([NOT_FOUND_SUFFIX], [box.text for box in run.boxes])
                    self.assertEqual([], run.records)
                else:
                    self.assertEqual([], run.boxes)
                    self.assertEqual([b'explorer /n,/select,"' + bench.encode(target) + b'"'],
                                     [record.cmdline for record in run.records])
                self.assert_roads(trace_events(run.trace), link, query, shell_link_step)

    def assert_roads(self, events, link, query, shell_link_step):
        installer_read = ("Load", link, 0x20)
        # Without the Installer's own read the trace was not captured, and the checks
        # below would pass on nothing.
        self.assertIn(installer_read, events)
        queries = [event for event in events if event[0] == "ComponentPath"]
        if query is None:
            self.assertEqual([], queries, "the Installer said no: no component query")
        else:
            self.assertEqual([("ComponentPath", *query)], queries)

        step = [("CoInitialize",), ("Load", link, 0), ("GetPathA",), ("CoUninitialize",)]
        starts = [i for i in range(len(events)) if events[i:i + len(step)] == step]
        own_reads = [event for event in events
                     if event == ("Load", link, 0) or event == ("GetPathA",)]
        if shell_link_step:
            self.assertEqual(1, len(starts), events)
            self.assertEqual(2, len(own_reads), events)
            self.assertLess(events.index(installer_read), starts[0], "Installer first")
            if query is not None:
                self.assertLess(events.index(queries[0]), starts[0])
        else:
            self.assertEqual([], own_reads, events)


if __name__ == "__main__":
    unittest.main()
