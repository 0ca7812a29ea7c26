"""prompt-in-folder under Wine, with the recording stub standing in for the command
interpreter in the test prefix's Windows folders. Wine runs its built-in cmd.exe whatever
the file holds unless cmd.exe=n is overridden for the run, so each run here says so."""

import shutil
import unittest

import bench

TITLE = "コマンド プロンプト".encode("cp932")
STARTF_USESHOWWINDOW = 1
SW_SHOWDEFAULT = 10
ENV = {"WINEDLLOVERRIDES": "cmd.exe=n;winemenubuilder.exe=d;mscoree=d;mshtml=d"}

WINDOWS = bench.DRIVE_C / "windows"
CMD = WINDOWS / "system32" / "cmd.exe"
COMMAND_COM = WINDOWS / "command.com"
STUB = bench.BENCH_DIR / "bench-record.exe"


class PromptInFolderTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tools = bench.install_tools("prompt-in-folder", stub_as=())
        cls.folder, cls.unix = bench.fresh_folder("prompt")
        (cls.unix / "Report.txt").write_bytes(b"r")
        (cls.unix / "Sub").mkdir()
        (cls.unix / "表").mkdir()
        (cls.unix / "表" / "a.txt").write_bytes(b"a")
        cls.links = {
            "file": (bench.make_link(cls.folder + "\\file.lnk", cls.folder + "\\Report.txt"),
                     cls.folder),
            "folder": (bench.make_link(cls.folder + "\\sub.lnk", cls.folder + "\\Sub"),
                       cls.folder),
            "double-byte": (bench.make_link(cls.folder + "\\dbcs.lnk", cls.folder + "\\表\\a.txt"),
                            cls.folder + "\\表"),
        }

    def setUp(self):
        # The prefix's own cmd.exe is kept aside and put back after each test, and no
        # command.com is left behind, so later tests find the prefix as it was.
        self.assertFalse(COMMAND_COM.exists())
        backup = bench.WORK / "cmd.exe.kept"
        shutil.copy2(CMD, backup)
        self.addCleanup(backup.unlink)
        self.addCleanup(shutil.copy2, backup, CMD)
        self.addCleanup(COMMAND_COM.unlink, missing_ok=True)

    def started(self, link, cwd=None):
        run = bench.run_tool(self.tools, "prompt-in-folder", link, env=ENV, cwd=cwd)
        self.assertEqual((0, []), (run.exit_code, run.boxes))
        self.assertEqual(1, len(run.records), "one interpreter, started once")
        return run.records[0]

    def assert_start_up(self, record, program, folder):
        self.assertEqual(program.lower(), record.program.lower())
        # No command line was given, so the interpreter sees its own name alone.
        self.assertEqual(program.lower(), record.cmdline.strip(b'"').lower())
        self.assertEqual(bench.encode(folder), record.cwd)
        self.assertEqual(TITLE, record.title)
        self.assertEqual((STARTF_USESHOWWINDOW, SW_SHOWDEFAULT), (record.flags, record.show))

    def test_cmd_in_the_system_directory(self):
        shutil.copy2(STUB, CMD)
        for label, (link, folder) in self.links.items():
            with self.subTest(label):
                record = self.started(link)
                self.assert_start_up(record, b"C:\\windows\\system32\\cmd.exe", folder)

    def test_target_in_a_drive_root_gives_the_root(self):
        # Started from a folder of drive C:, "C:" alone would name that folder.
        name = self.folder.split("\\")[-1] + ".txt"
        (bench.DRIVE_C / name).write_bytes(b"r")
        self.addCleanup((bench.DRIVE_C / name).unlink)
        link = bench.make_link(self.folder + "\\root.lnk", "C:\\" + name)
        shutil.copy2(STUB, CMD)
        record = self.started(link, cwd=self.unix / "Sub")
        self.assert_start_up(record, b"C:\\windows\\system32\\cmd.exe", "C:\\")

    def test_command_com_in_the_windows_directory_when_cmd_is_missing(self):
        CMD.unlink()
        shutil.copy2(STUB, COMMAND_COM)
        link, folder = self.links["file"]
        self.assert_start_up(self.started(link), b"C:\\windows\\command.com", folder)


if __name__ == "__main__":
    unittest.main()
