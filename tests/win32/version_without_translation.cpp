// Only its version resource matters; the tests never run it.
int main() {
    return 0;
}
