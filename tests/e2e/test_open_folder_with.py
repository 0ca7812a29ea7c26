"""open-folder-with under Wine: a Morvaset.ini beside the real program, the recording
stub as the configured application, and what the stub was started with: its command
line, its current directory and its PATH."""

import shutil
import unittest

import bench

PROGRAM = "open-folder-with"
NOT_FOUND_SUFFIX = "\nが見つかりませんでした。".encode("cp932")
CONFIG_MISSING = b"Morvaset.ini" + NOT_FOUND_SUFFIX


def config(*lines):
    """The bytes of an INI file, in code page 932 with CRLF line ends."""
    return ("\r\n".join(lines) + "\r\n").encode(bench.CODE_PAGE)


def viewer_config(application, command_line=None, directory=None, environment=None):
    lines = ["[Morvaset]", "Application=Viewer", "[Viewer]", f"ApplicationName={application}"]
    for key, value in (("CommandLine", command_line), ("CurrentDirectory", directory),
                       ("Environment", environment)):
        if value is not None:
            lines.append(f"{key}={value}")
    return config(*lines)


class OpenFolderWithTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.data, cls.data_unix = bench.fresh_folder("data")
        cls.notes = cls.data + "\\Notes"
        cls.link = cls.link_to(cls.notes, "list.txt")
        cls.system_path = cls.path_of_a_plain_start()

    @classmethod
    def link_to(cls, folder, file_name):
        """A file in folder (made as needed) and a shell link to it; returns the link."""
        unix = bench.c_path(folder)
        unix.mkdir(parents=True, exist_ok=True)
        (unix / file_name).write_bytes(b"data")
        link = f"{cls.data}\\link-{len(list(cls.data_unix.glob('*.lnk')))}.lnk"
        return bench.make_link(link, f"{folder}\\{file_name}")

    @staticmethod
    def path_of_a_plain_start(**env):
        """The PATH that a program started straight from the bench sees."""
        record_file = bench.WORK / "plain.records"
        record_file.unlink(missing_ok=True)
        bench.wine(bench.BENCH_DIR / "bench-record.exe",
                   env=bench.wine_env(BENCH_RECORD=f"Z:{record_file}".replace("/", "\\"), **env))
        return bench._parse_records(record_file.read_text())[0].path

    def install(self, ini, file_name=PROGRAM + ".exe"):
        """A fresh folder holding the program under file_name, the stub as viewer.exe, and
        Morvaset.ini with the bytes of ini (None: no such file), in which "{tools}" stands
        for the folder. Returns the folder's Windows path."""
        folder = bench.install_tools(stub_as=("viewer.exe",))
        unix = bench.c_path(folder)
        shutil.copy2(bench.TOOLS_DIR / f"{PROGRAM}.exe", unix / file_name)
        if ini is not None:
            (unix / "Morvaset.ini").write_bytes(ini.replace(b"{tools}", bench.encode(folder)))
        return folder

    def run_program(self, folder, link=None, file_name=PROGRAM + ".exe", env=None):
        run = bench.run_tool(folder, PROGRAM, link or self.link, file_name=file_name, env=env)
        self.assertEqual(0, run.exit_code)
        return run

    def started(self, run):
        """The one record of the started application; no box may have been shown."""
        self.assertEqual([], run.boxes)
        self.assertEqual(1, len(run.records), run.records)
        record = run.records[0]
        self.assertEqual((0, 0), (record.flags, record.show), "start-up data left zero")
        return record

    def assert_nothing_happens(self, run):
        self.assertEqual(([], []), (run.boxes, run.records))

    def assert_morvaset_box(self, run, text):
        self.assertEqual([], run.records, "nothing may be started")
        self.assertEqual(1, len(run.boxes), run.boxes)
        box = run.boxes[0]
        self.assertEqual((b"Morvaset", text, "present", "1"),
                         (box.caption, box.text, box.icon, box.buttons))

    # -----------------------------------------------------------------------------------

    def test_worked_example(self):
        tools = self.install(viewer_config("{tools}\\viewer.exe", "/open %1", "%1",
                                           "C:\\Tools\\bin"))
        record = self.started(self.run_program(tools))
        self.assertEqual(bench.encode(f"{tools}\\viewer.exe"), record.program)
        self.assertEqual(bench.encode(f"{tools}\\viewer.exe /open {self.notes}"), record.cmdline)
        self.assertEqual(bench.encode(self.notes), record.cwd)
        self.assertEqual(b"C:\\Tools\\bin;" + self.system_path, record.path)

    def test_without_selector_section_the_explorer_section_is_used(self):
        tools = self.install(config("[Viewer]", "ApplicationName=C:\\nowhere.exe",
                                    "[Explorer]", "ApplicationName={tools}\\viewer.exe",
                                    "CommandLine=/e,%1"))
        record = self.started(self.run_program(tools))
        self.assertEqual(bench.encode(f"{tools}\\viewer.exe /e,{self.notes}"), record.cmdline)
        self.assertEqual(self.system_path, record.path, "no Environment: Path untouched")

    def test_selected_section_that_does_not_exist_starts_nothing(self):
        tools = self.install(config("[Morvaset]", "Application=Nowhere",
                                    "[Explorer]", "ApplicationName={tools}\\viewer.exe"))
        self.assert_nothing_happens(self.run_program(tools))

    def test_empty_command_line_leaves_a_trailing_blank(self):
        tools = self.install(viewer_config("{tools}\\viewer.exe", ""))
        record = self.started(self.run_program(tools))
        self.assertEqual(bench.encode(f"{tools}\\viewer.exe "), record.cmdline)

    def test_placeholder_in_application_name_starts_a_program_in_the_folder(self):
        folder = self.data + "\\Runner"
        link = self.link_to(folder, "a.txt")
        shutil.copy2(bench.BENCH_DIR / "bench-record.exe", bench.c_path(folder) / "run.exe")
        tools = self.install(viewer_config("%1\\run.exe", "-x %1"))
        record = self.started(self.run_program(tools, link))
        self.assertEqual(bench.encode(f"{folder}\\run.exe"), record.program)
        self.assertEqual(bench.encode(f"{folder}\\run.exe -x {folder}"), record.cmdline)

    def test_missing_configuration_names_its_full_path(self):
        tools = self.install(None)
        self.assert_morvaset_box(self.run_program(tools),
                                 bench.encode(f"{tools}\\Morvaset.ini") + NOT_FOUND_SUFFIX)

    def test_renamed_program_still_reads_morvaset_ini(self):
        tools = self.install(viewer_config("{tools}\\viewer.exe", "%1"), "Start.EXE")
        record = self.started(self.run_program(tools, file_name="Start.EXE"))
        self.assertEqual(bench.encode(f"{tools}\\viewer.exe {self.notes}"), record.cmdline)

    def test_program_with_another_extension_shows_config_missing(self):
        tools = self.install(viewer_config("{tools}\\viewer.exe", "%1"), "Start.bin")
        self.assert_morvaset_box(self.run_program(tools, file_name="Start.bin"), CONFIG_MISSING)

    def test_folder_named_morvaset_ini_starts_nothing_and_says_nothing(self):
        tools = self.install(None)
        (bench.c_path(tools) / "Morvaset.ini").mkdir()
        self.assert_nothing_happens(self.run_program(tools))

    def test_overlong_command_line_is_passed_whole(self):
        folder = f"{self.data}\\{'L' * 150}"
        link = self.link_to(folder, "a.txt")
        tools = self.install(viewer_config("{tools}\\viewer.exe", "%1 %1 %1 /end", "%1"))
        record = self.started(self.run_program(tools, link))
        expected = bench.encode(f"{tools}\\viewer.exe {folder} {folder} {folder} /end")
        self.assertGreater(len(expected), 519)
        self.assertEqual(expected, record.cmdline)
        self.assertEqual(bench.encode(folder), record.cwd)

    def test_command_line_past_the_platform_limit_starts_nothing(self):
        folder = f"{self.data}\\{'F' * 200}"
        link = self.link_to(folder, "a.txt")
        tools = self.install(viewer_config("{tools}\\viewer.exe", "%1 " * 173))
        self.assertGreater(len(folder) * 173, 32767)
        self.assert_nothing_happens(self.run_program(tools, link))

    def test_long_old_path_is_kept_whole(self):
        env = {"WINEPATH": "C:\\" + "p" * 1100}
        tools = self.install(viewer_config("{tools}\\viewer.exe", "", None, None))
        old_path = self.started(self.run_program(tools, env=env)).path
        self.assertGreater(len(old_path), 1024)
        tools = self.install(viewer_config("{tools}\\viewer.exe", "", None, "C:\\Tools\\bin;"))
        record = self.started(self.run_program(tools, env=env))
        self.assertEqual(b"C:\\Tools\\bin;;" + old_path, record.path)

    def test_names_with_blanks(self):
        # The profile reader takes one pair of quotes off a value that both starts and ends
        # with them, and "%1" is put in unquoted: a program path with blanks needs a second
        # pair, and "%1" needs quotes that do not enclose the whole value.
        folder = self.data + "\\My Notes"
        link = self.link_to(folder, "a b.txt")
        tools = self.install(None)
        (bench.c_path(tools) / "My Tools").mkdir()
        shutil.copy2(bench.BENCH_DIR / "bench-record.exe",
                     bench.c_path(tools) / "My Tools" / "viewer.exe")
        program = f"{tools}\\My Tools\\viewer.exe"
        cases = (
            ('/open "%1"', f'"{program}" /open "{folder}"'),
            ('""%1""', f'"{program}" "{folder}"'),
            ('"%1"', f'"{program}" {folder}'),  # the pair went: the folder splits at its blank
        )
        for command_line, expected in cases:
            with self.subTest(command_line):
                (bench.c_path(tools) / "Morvaset.ini").write_bytes(
                    viewer_config(f'""{program}""', command_line, '"%1"'))
                record = self.started(self.run_program(tools, link))
                self.assertEqual(bench.encode(program), record.program)
                self.assertEqual(bench.encode(expected), record.cmdline)
                self.assertEqual(bench.encode(folder), record.cwd)

if __name__ == "__main__":
    unittest.main()
