"""The command lines that real links give the three Explorer tools under Wine, read by a
recording explorer.exe beside the tools (CreateProcessA looks in the program's own
folder first)."""

import unittest

import bench

TOOLS = ("select-folder", "select-target", "open-folder")


class ExplorerToolsTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tools = bench.install_tools(*TOOLS)
        cls.folder, cls.unix = bench.fresh_folder("explorer")
        cls.links, _ = bench.fresh_folder("links")

    def command_lines(self, link):
        """The command line each tool gave Explorer, by tool; None where none was started."""
        lines = {}
        for tool in TOOLS:
            run = bench.run_tool(self.tools, tool, link)
            self.assertEqual(0, run.exit_code, tool)
            self.assertEqual([], run.boxes, tool)
            self.assertLessEqual(len(run.records), 1, tool)
            for record in run.records:
                # The start-up data is left zero: no flags, no show state.
                self.assertEqual((0, 0), (record.flags, record.show), tool)
            lines[tool] = run.records[0].cmdline if run.records else None
        return lines

    def expect(self, target, select_folder, select_target, open_folder, name="t.lnk"):
        link = bench.make_link(f"{self.links}\\{name}", target)
        self.assertEqual({
            "select-folder": b'explorer /n,/select,"' + bench.encode(select_folder) + b'"',
            "select-target": b'explorer /n,/select,"' + bench.encode(select_target) + b'"',
            "open-folder": b'explorer /n,"' + bench.encode(open_folder) + b'"',
        }, self.command_lines(link))

    def test_file(self):
        (self.unix / "Report.txt").write_bytes(b"r")
        path = self.folder + "\\Report.txt"
        self.expect(path, self.folder, path, self.folder, "file.lnk")

    def test_file_in_a_drive_root(self):
        name = self.folder.split("\\")[-1] + ".txt"
        (bench.DRIVE_C / name).write_bytes(b"r")
        self.expect("C:\\" + name, "C:", "C:\\" + name, "C:", "root.lnk")

    def test_folder(self):
        (self.unix / "Sub").mkdir()
        path = self.folder + "\\Sub"
        self.expect(path, self.folder, path, self.folder, "folder.lnk")

    def test_double_byte_folder_with_a_5c_trail_byte(self):
        (self.unix / "表").mkdir()
        (self.unix / "表" / "a.txt").write_bytes(b"a")
        folder = self.folder + "\\表"
        self.expect(folder + "\\a.txt", folder, folder + "\\a.txt", folder, "表.lnk")

    def test_blanks(self):
        (self.unix / "My Data").mkdir()
        (self.unix / "My Data" / "a b.txt").write_bytes(b"a")
        folder = self.folder + "\\My Data"
        self.expect(folder + "\\a b.txt", folder, folder + "\\a b.txt", folder, "a b.lnk")

    def test_drive_root(self):
        # D: is mapped to a folder of the test run only.
        root = bench.WORK / "drive_d"
        root.mkdir(exist_ok=True)
        device = bench.PREFIX / "dosdevices" / "d:"
        if not device.is_symlink():
            device.symlink_to(root)
        self.expect("D:\\", "D:", "D:\\", "D:", "drive.lnk")

    def test_explorer_that_cannot_be_started(self):
        # No stub beside the tool, and Wine's own explorer switched off: nothing starts,
        # nothing is shown, and the exit code is still 0.
        folder = bench.install_tools("select-target", stub_as=())
        (self.unix / "Report2.txt").write_bytes(b"r")
        link = bench.make_link(f"{self.links}\\nostart.lnk", self.folder + "\\Report2.txt")
        run = bench.run_tool(folder, "select-target", link,
                             env={"WINEDLLOVERRIDES": "explorer.exe=d;winemenubuilder.exe=d;"
                                                      "mscoree=d;mshtml=d"})
        self.assertEqual((0, [], []), (run.exit_code, run.boxes, run.records))


if __name__ == "__main__":
    unittest.main()
