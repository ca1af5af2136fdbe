// Lié avec les bibliothèques de la logique prises en entier, sans Qt Widgets : s'il se
// construit, aucune d'elles n'appelle un widget (voir cmake/Couches.cmake).
int main() {
    return 0;
}
