"""The page in headless chromium, driven through chromedriver, served as a player would serve
it: what the page's test and its benchmark share. Exits 77 (skipped) where chromium,
chromedriver or selenium is not installed.
"""
import contextlib
import shutil
import socket
import subprocess
import sys
import tempfile
import time

SKIPPED = 77

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("SKIP: python3-selenium is not installed")
    sys.exit(SKIPPED)
for program in ("chromium", "chromedriver"):
    if not shutil.which(program):
        print(f"SKIP: {program} is not installed (Debian: chromium, chromium-driver)")
        sys.exit(SKIPPED)


@contextlib.contextmanager
def served(folder):
    """A static web server for the folder on a free local port, as a player would run one."""
    with socket.socket() as probe:
        probe.bind(("127.0.0.1", 0))
        port = probe.getsockname()[1]
    server = subprocess.Popen([sys.executable, "-m", "http.server", "--bind", "127.0.0.1",
                               "--directory", str(folder), str(port)],
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        for _ in range(100):
            with contextlib.suppress(OSError), socket.create_connection(("127.0.0.1", port)):
                break
            time.sleep(0.05)
        yield f"http://127.0.0.1:{port}/", server.terminate
    finally:
        server.terminate()
        server.wait()


@contextlib.contextmanager
def browser():
    with tempfile.TemporaryDirectory() as profile:
        options = webdriver.ChromeOptions()
        for flag in ("--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     f"--user-data-dir={profile}", "--window-size=800,600"):
            options.add_argument(flag)
        driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=options)
        try:
            yield driver
        finally:
            driver.quit()


class Page:
    def __init__(self, driver):
        self.driver = driver
        self.boxes = []  # every box shown to the author, as zuft-cli writes its record

    def find(self, selector):
        return self.driver.find_element(By.CSS_SELECTOR, selector)

    def done(self):
        """How many actions of the player the page has finished since it was loaded."""
        return int(self.find("body").get_attribute("data-done") or 0)

    def settle(self, done=1, seconds=30):
        """Waits for the page to finish its action number `done`, answering each box with OK."""
        def settled(driver):
            box = self.find("#Message")
            if box.get_attribute("open") is not None:
                text = box.find_element(By.TAG_NAME, "p").get_attribute("textContent")
                title = box.find_element(By.TAG_NAME, "h2").get_attribute("textContent")
                self.boxes.append(f"[{title}] {text}\n")
                box.find_element(By.CSS_SELECTOR, "button[value=ok]").click()
                return False
            return self.done() >= done
        WebDriverWait(self.driver, seconds, poll_frequency=0.02).until(settled)

    def act(self, selector, *keys):
        done = self.done() + 1
        self.find(selector).send_keys(*keys)
        self.settle(done)

    def type(self, line):
        self.act("#Input1", line, Keys.ENTER)

    def console(self):
        return self.find("#Output").get_attribute("textContent")

    def story(self):
        return self.find("#StoryName").text
